#pragma once

#include "TestDatabase.h"
#include "data/UnitDM.h"

// The data module of a window test over a fresh database of its own. The
// file is made first and removed last, after the module's connection closed.
class TestDataModule : public TestDatabase, public data::TDM
{
public:
    explicit TestDataModule(bool withDefaultUser = true) : TestDatabase(withDefaultUser)
    {
        IBDatabase1->setDatabaseName(TestDatabase::path());
    }
};
