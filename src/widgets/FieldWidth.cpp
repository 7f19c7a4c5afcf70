#include "FieldWidth.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionSpinBox>

namespace widgets {

namespace {

class FitWidth : public QObject
{
public:
    FitWidth(QWidget *field, const QString &longest) : QObject(field), m_field(field), m_longest(longest)
    {
        field->installEventFilter(this);
        fit();
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Polish:
        case QEvent::FontChange:
        case QEvent::StyleChange:
            fit();
            break;
        default:
            break;
        }
        return false;
    }

private:
    // The width the style gives a field whose text area holds the text.
    void fit()
    {
        QWidget *w = m_field;
        const QFontMetrics fm = w->fontMetrics();
        const QSize text(fm.horizontalAdvance(m_longest) + 2, fm.height());
        int width = 0;
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            QStyleOptionFrame opt;
            opt.initFrom(e);
            opt.lineWidth = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, w);
            const QMargins tm = e->textMargins();
            // The line edit keeps a margin of 2 pixels each side of its text.
            const QSize contents(text.width() + 4 + tm.left() + tm.right(), text.height());
            width = w->style()->sizeFromContents(QStyle::CT_LineEdit, &opt, contents, w).width();
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox opt;
            opt.initFrom(c);
            opt.editable = c->isEditable();
            width = w->style()->sizeFromContents(QStyle::CT_ComboBox, &opt, text, w).width();
        } else if (auto *s = qobject_cast<QAbstractSpinBox *>(w)) {
            QStyleOptionSpinBox opt;
            opt.initFrom(s);
            opt.buttonSymbols = s->buttonSymbols();
            opt.subControls = QStyle::SC_SpinBoxEditField | QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
            width = w->style()->sizeFromContents(QStyle::CT_SpinBox, &opt, QSize(text.width() + 4, text.height()), w)
                        .width();
        } else {
            width = text.width();
        }
        if (w->minimumWidth() != width)
            w->setMinimumWidth(width);
    }

    QWidget *m_field;
    QString m_longest;
};

} // namespace

void fitWidthTo(QWidget *field, const QString &longest)
{
    new FitWidth(field, longest);
}

} // namespace widgets
