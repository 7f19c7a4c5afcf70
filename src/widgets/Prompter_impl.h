#pragma once

#include "data/DataError.h"

#include <exception>

namespace widgets {

template <typename F>
bool guarded(QWidget *parent, F &&action)
{
    try {
        action();
        return true;
    } catch (const data::DataError &e) {
        showUnhandled(e.message(), parent);
    } catch (const std::exception &e) {
        showUnhandled(QString::fromLocal8Bit(e.what()), parent);
    }
    return false;
}

} // namespace widgets
