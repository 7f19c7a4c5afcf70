#pragma once

#include "WindowTest.h"
#include "widgets/PickerWindow.h"
#include "widgets/WindowRegistry.h"

#include <QSize>

#include <memory>

// A movement window `W` with its line window `L` (and the party picker `P`
// when it has one) over a scratch database, made and handed over as the
// application does. A test's fixture derives from it, adds the rows it
// needs, then calls open() or openWithPicker(). Every box goes through `p`.
template <typename W, typename L, typename P = void>
struct MovementFixture : WindowFixture
{
    std::unique_ptr<W> w;
    L *line = nullptr;
    P *picker = nullptr;

    ~MovementFixture() { widgets::windows().clear(); }

    void open(QSize size = {})
    {
        make();
        show(size);
    }

    // `give` hands the picker over (setClientPicker, setSupplierPicker).
    void openWithPicker(void (W::*give)(widgets::Picker), QSize size = {})
    {
        make();
        picker = new P(&dm, w.get());
        widgets::windows().add(picker);
        ((*w).*give)(widgets::Picker::of(picker));
        show(size);
    }

private:
    void make()
    {
        widgets::windows().clear();
        w = std::make_unique<W>(&dm);
        line = new L(&dm, w.get());
        widgets::windows().add(w.get());
        w->setLineWindow(line);
    }
    void show(QSize size)
    {
        if (size.isValid())
            w->resize(size);
        w->show();
    }
};
