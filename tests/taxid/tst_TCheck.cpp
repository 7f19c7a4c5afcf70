#include "taxid/TCheckCNPJ.h"
#include "taxid/TCheckCPF.h"
#include "taxid/TCheckIE.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>

// The check components on their own and attached to real edit fields.
class TestTCheck : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void validFollowsHeldValue();
    void ieRecomputesOnEitherProperty();

    void leavingWithInvalidTextKeepsTheField();
    void leavingWithValidOrEmptyTextGoesOn_data();
    void leavingWithValidOrEmptyTextGoesOn();
    void ieFieldUsesTheState();
    void messageBoxFromTheHandler();
    void withoutHandlerItBeeps();
    void popupAndOtherWindowAreNotLeaving();
    void reattachingReleasesTheOldField();
    void destroyedFieldDropsTheLink();

private:
    void leaveFirstField();

    QWidget *m_window = nullptr;
    QLineEdit *m_field = nullptr;
    QLineEdit *m_next = nullptr;
};

void TestTCheck::init()
{
    m_window = new QWidget;
    auto *layout = new QVBoxLayout(m_window);
    m_field = new QLineEdit(m_window);
    m_field->setObjectName("CPF");
    m_next = new QLineEdit(m_window);
    m_next->setObjectName("NOME");
    layout->addWidget(m_field);
    layout->addWidget(m_next);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_field->setFocus();
    QCOMPARE(QApplication::focusWidget(), m_field);
}

void TestTCheck::cleanup()
{
    delete m_window;
    m_window = nullptr;
    TCheckBase::setBeep({});
}

// Tab away, as the user leaves the field.
void TestTCheck::leaveFirstField()
{
    QTest::keyClick(m_field, Qt::Key_Tab);
}

void TestTCheck::validFollowsHeldValue()
{
    TCheckCPF cpf;
    QVERIFY(cpf.Valid()); // nothing held yet: an empty value passes
    cpf.setProperty("CPF", "111.444.777-35");
    QVERIFY(cpf.property("Valid").toBool());
    cpf.setProperty("CPF", "111.444.777-36");
    QVERIFY(!cpf.Valid());
    cpf.setProperty("Valid", true); // only recomputes
    QVERIFY(!cpf.Valid());
    QCOMPARE(cpf.CPF(), QString("111.444.777-36"));

    TCheckCNPJ cnpj;
    cnpj.setProperty("CNPJ", "11.222.333/0001-81");
    QVERIFY(cnpj.Valid());
    cnpj.setCNPJ("11.222.333/0001-18");
    QVERIFY(!cnpj.Valid());
    cnpj.setCNPJ("");
    QVERIFY(cnpj.Valid());
}

void TestTCheck::ieRecomputesOnEitherProperty()
{
    TCheckIE ie;
    ie.setProperty("UF", "mt");
    QCOMPARE(ie.UF(), QString("MT"));
    ie.setProperty("IE", "0013000001-9");
    QVERIFY(ie.Valid());
    ie.setUF("SP");
    QVERIFY(!ie.Valid());
    ie.setIE("P-01100424.3/002");
    QVERIFY(ie.Valid());
    ie.setUF("");
    QVERIFY(!ie.Valid());
}

void TestTCheck::leavingWithInvalidTextKeepsTheField()
{
    TCheckCPF check;
    QList<QObject *> senders;
    check.setOnError([&](QObject *sender) { senders << sender; });
    check.setAssociate(m_field);
    QCOMPARE(check.property("Associate").value<QObject *>(), m_field);
    QSignalSpy finished(m_field, &QLineEdit::editingFinished);

    m_field->setText("111.444.777-36");
    m_field->deselect();
    leaveFirstField();

    QCOMPARE(senders, QList<QObject *>{ m_field });
    QCOMPARE(QApplication::focusWidget(), m_field);
    QCOMPARE(m_field->selectedText(), QString("111.444.777-36"));
    QCOMPARE(finished.count(), 0); // the field's own leaving did not happen

    // Mended, the user can go on.
    m_field->setText("111.444.777-35");
    leaveFirstField();
    QCOMPARE(senders.size(), 1);
    QCOMPARE(QApplication::focusWidget(), m_next);
    QCOMPARE(finished.count(), 1);
}

void TestTCheck::leavingWithValidOrEmptyTextGoesOn_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("valid") << "11.222.333/0001-81";
    QTest::newRow("empty") << "";
    QTest::newRow("mask only") << "  .   .   /    -  ";
}

void TestTCheck::leavingWithValidOrEmptyTextGoesOn()
{
    QFETCH(QString, text);
    TCheckCNPJ check;
    int errors = 0;
    check.setOnError([&](QObject *) { ++errors; });
    check.setAssociate(m_field);
    QSignalSpy finished(m_field, &QLineEdit::editingFinished);

    m_field->setText(text);
    leaveFirstField();

    QCOMPARE(errors, 0);
    QCOMPARE(QApplication::focusWidget(), m_next);
    QCOMPARE(finished.count(), 1);
}

void TestTCheck::ieFieldUsesTheState()
{
    TCheckIE check;
    int errors = 0;
    check.setOnError([&](QObject *) { ++errors; });
    check.setUF("SP");
    check.setAssociate(m_field);

    m_field->setText("P-01100424.3/002");
    leaveFirstField();
    QCOMPARE(errors, 0);
    QCOMPARE(QApplication::focusWidget(), m_next);

    check.setUF("MT");
    m_field->setFocus();
    leaveFirstField();
    QCOMPARE(errors, 1);
    QCOMPARE(QApplication::focusWidget(), m_field);
}

// The registers answer a failed check with a modal information box; the
// focus must still come back to the field once the box is closed.
void TestTCheck::messageBoxFromTheHandler()
{
    TCheckCPF check;
    QString shown;
    check.setOnError([&](QObject *) {
        QTimer::singleShot(0, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        QMessageBox::information(m_window, "Informação",
                                 "CPF inválido ou digitado incorretamente, Verefique!");
    });
    check.setAssociate(m_field);

    m_field->setText("111.444.777-00");
    leaveFirstField();

    QCOMPARE(shown, QString("CPF inválido ou digitado incorretamente, Verefique!"));
    // The offscreen platform has no window manager to give the activation
    // back after the box; do its part.
    if (!m_window->isActiveWindow()) {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    QCOMPARE(QApplication::focusWidget(), m_field);
    QCOMPARE(m_field->selectedText(), QString("111.444.777-00"));
}

void TestTCheck::withoutHandlerItBeeps()
{
    int beeps = 0;
    TCheckBase::setBeep([&] { ++beeps; });
    TCheckCPF check;
    check.setAssociate(m_field);

    m_field->setText("123");
    leaveFirstField();

    QCOMPARE(beeps, 1);
    QCOMPARE(QApplication::focusWidget(), m_field);
}

void TestTCheck::popupAndOtherWindowAreNotLeaving()
{
    TCheckCPF check;
    int errors = 0;
    check.setOnError([&](QObject *) { ++errors; });
    check.setAssociate(m_field);
    m_field->setText("123");

    // A pop-up over the field (its context menu, say) takes the focus event
    // while the field keeps the focus.
    QFocusEvent popupOut(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(m_field, &popupOut);
    QCOMPARE(errors, 0);

    // Another window coming up.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(errors, 0);

    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(QApplication::focusWidget(), m_field);
    leaveFirstField();
    QCOMPARE(errors, 1);
}

void TestTCheck::reattachingReleasesTheOldField()
{
    TCheckCPF check;
    int errors = 0;
    check.setOnError([&](QObject *) { ++errors; });
    check.setAssociate(m_field);
    check.setAssociate(m_next);

    m_field->setText("123");
    m_next->setText("456");
    leaveFirstField();
    QCOMPARE(errors, 0);
    QCOMPARE(QApplication::focusWidget(), m_next);

    check.setAssociate(nullptr);
    QTest::keyClick(m_next, Qt::Key_Backtab);
    QCOMPARE(errors, 0);
    QCOMPARE(QApplication::focusWidget(), m_field);
}

void TestTCheck::destroyedFieldDropsTheLink()
{
    auto *check = new TCheckCPF;
    check->setAssociate(m_field);
    delete m_field;
    m_field = nullptr;
    QCOMPARE(check->Associate(), nullptr);
    delete check;

    // And the other way round: a destroyed check leaves the field alone.
    auto *second = new TCheckCPF;
    second->setOnError([](QObject *) { QFAIL("a destroyed check must not run"); });
    second->setAssociate(m_next);
    delete second;
    m_next->setText("123");
    m_next->setFocus();
    QCOMPARE(QApplication::focusWidget(), m_next);
    m_next->clearFocus();
    QVERIFY(!m_next->hasFocus());
}

QTEST_MAIN(TestTCheck)
#include "tst_TCheck.moc"
