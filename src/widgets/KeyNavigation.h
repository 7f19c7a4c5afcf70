#pragma once

#include <QColor>
#include <QHash>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QString>

class QWidget;

namespace widgets {

// Where a navigation key sends the focus from a given control.
enum class NavMove { None, Next, Previous };

// The application's keyboard navigation: Enter and Down go to the next
// field, Esc and Up to the previous one, depending on the kind of focused
// control (edits, closed combo boxes and check boxes take all four keys;
// list boxes and radio buttons only Enter and Esc; other buttons Down, Esc
// and Up; memos, grids and the rest none). A key the table assigns is
// consumed even when the focus cannot move, so Enter in an edit never
// presses a default button and Esc never presses a cancel button.
//
// The same object paints the focused edit, memo, combo or list box with the
// tooltip background colour and gives it its own look back when it loses
// the focus.
class KeyNavigator : public QObject
{
    Q_OBJECT
public:
    static KeyNavigator &instance();

    // Hooks into the running QApplication (idempotent).
    void install();

    // The on/off switch some windows turn off while they are shown.
    void setEnabled(bool on) { m_enabled = on; }
    bool isEnabled() const { return m_enabled; }

    // Switches navigation off while WINDOW is shown and on again when it hides.
    void switchOffWhileShown(QWidget *window);

    // Leaves Enter in CONTROL to the control (a field where Enter saves).
    static void leaveEnterTo(QWidget *control);

    // The table itself, for a key code (Qt::Key_Return, Qt::Key_Escape, ...).
    static NavMove moveFor(const QWidget *focused, int key);

    // The colour painted on the focused field.
    static QColor focusColour();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyNavigator() = default;
    void focusChanged(QWidget *old, QWidget *now);
    static bool takesFocusColour(const QWidget *w);

    struct SavedLook
    {
        QPalette palette;
        bool ownPalette = false;
    };

    bool m_installed = false;
    bool m_enabled = true;
    QPointer<QWidget> m_coloured;
    SavedLook m_saved;
};

// Style rules for hints: balloons with a black background and yellow text.
// The skin appends them to whatever style sheet it applies.
QString balloonHintStyleSheet();

} // namespace widgets
