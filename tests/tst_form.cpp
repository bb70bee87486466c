// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice form as the pupil meets it: which objects exist and where, what
// can be typed into, the texts, the menu and tool bar, focus and Tab, the icons.
#include "answerinput.h"
#include "arithmetic.h"
#include "startup.h"
#include "sumgrove.h"
#include "testing.h"
#include "window_facts.h"

#include <QtTest/QtTest>

#include <QtWidgets/QApplication>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QTimeEdit>
#include <QtWidgets/QToolBar>

#include <algorithm>
#include <memory>

class tst_Form : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void problemRow_data();
    void problemRow();
    void otherObjects_data();
    void otherObjects();
    void rowsFormTwoAlignedColumns();
    void objectNamesAreUnique();
    void onlyAnswerBoxesTakeInput();
    void answerBoxTakesThreeCharacters();
    void answerBoxHoldsTheLargestAnswer();
    void inputMethodFollowsTheFinger_data();
    void inputMethodFollowsTheFinger();
    void committedTextEntersPlain_data();
    void committedTextEntersPlain();
    void heldTextIsCommittedOnce_data();
    void heldTextIsCommittedOnce();
    void operatorItems();
    void texts_data();
    void texts();
    void menuAndToolBar();
    void focusStartsInRowOne();
    void tabWalksAnswerBoxes();
    void icons();
    void hiddenBoxStaysHidden();
    void formKeepsExistingWindowName();
    void rowAccessorMatchesNamedMembers();
    void windowFactsHold();

private:
    std::unique_ptr<Sumgrove> window;
};

void tst_Form::init()
{
    window = std::make_unique<Sumgrove>();
}

void tst_Form::cleanup()
{
    window.reset();
}

void tst_Form::problemRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("equals");

    const struct { int row; const char *container, *layout, *equals; } rows[] = {
        {1, "layoutWidget1", "horizontalLayout", "label_3"},
        {2, "layoutWidget", "horizontalLayout_2", "label_4"},
        {3, "layoutWidget_2", "horizontalLayout_3", "label_6"},
        {4, "layoutWidget_3", "horizontalLayout_4", "label_8"},
        {5, "layoutWidget_4", "horizontalLayout_5", "label_10"},
        {6, "layoutWidget_5", "horizontalLayout_6", "label_12"},
        {7, "layoutWidget_6", "horizontalLayout_7", "label_14"},
        {8, "layoutWidget_7", "horizontalLayout_8", "label_16"},
        {9, "layoutWidget_8", "horizontalLayout_9", "label_18"},
        {10, "layoutWidget_9", "horizontalLayout_10", "label_20"},
        {11, "layoutWidget_11", "horizontalLayout_12", "label_24"},
        {12, "layoutWidget_12", "horizontalLayout_13", "label_26"},
        {13, "layoutWidget_17", "horizontalLayout_18", "label_36"},
        {14, "layoutWidget_19", "horizontalLayout_20", "label_40"},
        {15, "layoutWidget_15", "horizontalLayout_16", "label_32"},
        {16, "layoutWidget_13", "horizontalLayout_14", "label_28"},
        {17, "layoutWidget_10", "horizontalLayout_11", "label_22"},
        {18, "layoutWidget_14", "horizontalLayout_15", "label_30"},
        {19, "layoutWidget_18", "horizontalLayout_19", "label_38"},
        {20, "layoutWidget_16", "horizontalLayout_17", "label_34"},
    };
    for (const auto &r : rows)
        QTest::addRow("row %d", r.row) << r.row << r.container << r.layout << r.equals;
}

// Each row is a container in the central widget whose layout lines up, left to
// right, the first operand, operator, second operand, "=", answer and verdict.
void tst_Form::problemRow()
{
    QFETCH(int, row);
    QFETCH(QString, container);
    QFETCH(QString, layout);
    QFETCH(QString, equals);

    auto *box = child<QWidget>(window.get(), container);
    QCOMPARE(box->metaObject()->className(), "QWidget");
    QCOMPARE(box->parentWidget(), child<QWidget>(window.get(), "centralWidget"));
    auto *rowLayout = qobject_cast<QHBoxLayout *>(box->layout());
    QVERIFY(rowLayout);
    QCOMPARE(rowLayout->objectName(), layout);
    QCOMPARE(rowLayout->spacing(), 6);
    QCOMPARE(rowLayout->contentsMargins(), QMargins());

    const RowWidgets w = rowWidgets(window.get(), row);
    auto *equalsLabel = child<QLabel>(window.get(), equals);
    const QList<QWidget *> expected = {w.first, w.op, w.second, equalsLabel, w.answer, w.verdict};
    QCOMPARE(rowLayout->count(), 7);
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(rowLayout->itemAt(i)->widget(), expected[i]);
        QCOMPARE(expected[i]->parentWidget(), box);
    }
    QVERIFY(rowLayout->itemAt(6)->spacerItem());
    rowLayout->activate();
    QCOMPARE(w.verdict->size(), QSize(30, 32)); // a square the colour fills
    QCOMPARE(equalsLabel->text(), QStringLiteral("="));
    QCOMPARE(w.verdict->frameShape(), QFrame::Box);
    QCOMPARE(w.verdict->text(), QString());
    QCOMPARE(w.answer->accessibleName(), QString::fromUtf8("第%1题").arg(row));
}

void tst_Form::otherObjects_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parent");
    const char *const objects[][3] = {
        {"actionStart", "QAction", "SumgroveClass"},
        {"actionSend", "QAction", "SumgroveClass"},
        {"centralWidget", "QWidget", "SumgroveClass"},
        {"label", "QLabel", "centralWidget"},
        {"label1_2", "QLabel", "centralWidget"},
        {"label2_2", "QLabel", "centralWidget"},
        {"label1_3", "QLabel", "centralWidget"},
        {"label1_4", "QLabel", "centralWidget"},
        {"timeEdit", "QTimeEdit", "centralWidget"},
        {"label_2", "QLabel", "centralWidget"},
        {"labelScore", "QLabel", "centralWidget"},
        {"label_5", "QLabel", "centralWidget"},
        {"labelScore_2", "QLabel", "centralWidget"},
        {"menuBar", "QMenuBar", "SumgroveClass"},
        {"menu", "QMenu", "menuBar"},
        {"mainToolBar", "QToolBar", "SumgroveClass"},
    };
    for (const auto &o : objects)
        QTest::newRow(o[0]) << QString::fromLatin1(o[0]) << QString::fromLatin1(o[1]) << QString::fromLatin1(o[2]);
}

void tst_Form::otherObjects()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parent);
    QObject *object = child<QObject>(window.get(), name);
    QCOMPARE(QString::fromLatin1(object->metaObject()->className()), className);
    QCOMPARE(object->parent()->objectName(), parent);
}

void tst_Form::rowsFormTwoAlignedColumns()
{
    QVector<QRect> rects;
    for (int i = 1; i <= 20; ++i) {
        const QRect r = rowWidgets(window.get(), i).answer->parentWidget()->geometry();
        QCOMPARE(r.size(), QSize(391, 32));
        QCOMPARE(r.x(), i <= 10 ? 10 : 430);
        rects << r;
    }
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(rects[i + 10].y(), rects[i].y()); // side by side
        if (i > 0)
            QVERIFY(rects[i].y() > rects[i - 1].y()); // numbered top to bottom
    }
    QCOMPARE(rects.first().y(), 70);
    QCOMPARE(rects[9].y(), 510);
    for (int i = 0; i < rects.size(); ++i)
        for (int j = i + 1; j < rects.size(); ++j)
            QVERIFY2(!rects[i].intersects(rects[j]), qPrintable(QStringLiteral("rows %1 and %2 overlap").arg(i + 1).arg(j + 1)));
}

void tst_Form::objectNamesAreUnique()
{
    QStringList names;
    const QList<QObject *> objects = window->findChildren<QObject *>();
    for (QObject *o : objects) {
        const QString name = o->objectName();
        // Qt names some of its own helpers ("qt_…", "_layout").
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !name.startsWith(QLatin1Char('_')))
            names << name;
    }
    QCOMPARE(names.size(), 2 + 1 + 1 + 20 * 8 + 9 + 3);
    names.sort();
    QVERIFY(std::adjacent_find(names.cbegin(), names.cend()) == names.cend());
    QCOMPARE(window->objectName(), QStringLiteral("SumgroveClass"));
}

void tst_Form::onlyAnswerBoxesTakeInput()
{
    QSet<QWidget *> answers;
    for (int i = 1; i <= 20; ++i) {
        const RowWidgets w = rowWidgets(window.get(), i);
        QVERIFY(!w.first->isEnabled());
        QVERIFY(!w.op->isEnabled());
        QVERIFY(!w.second->isEnabled());
        QVERIFY(!w.answer->isReadOnly());
        QInputMethodQueryEvent query(Qt::ImEnabled); // what an input method asks
        QCoreApplication::sendEvent(w.answer, &query);
        QVERIFY(!query.value(Qt::ImEnabled).toBool());
        answers << w.answer;
    }
    QVERIFY(!child<QTimeEdit>(window.get(), "timeEdit")->isEnabled());
    QSet<QWidget *> typeable;
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        // Operator lists live in pop-ups of their own and never open: skip other windows.
        if (w->window() == window.get() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            typeable << w;
    }
    QCOMPARE(typeable, answers);
}

// Whatever a set can deal, a pupil can type whole in any box.
void tst_Form::answerBoxHoldsTheLargestAnswer()
{
    const QString largest = QString::number(drill::largestAnswer);
    for (int i = 1; i <= 20; ++i) {
        QLineEdit *answer = rowWidgets(window.get(), i).answer;
        QTest::keyClicks(answer, largest);
        QCOMPARE(answer->text(), largest);
    }
}

void tst_Form::answerBoxTakesThreeCharacters()
{
    QLineEdit *answer = rowWidgets(window.get(), 5).answer;
    QTest::keyClicks(answer, QStringLiteral("1234"));
    QCOMPARE(answer->text(), QStringLiteral("123"));
    answer->clear();
    QTest::keyClicks(answer, QStringLiteral("a -"));
    QCOMPARE(answer->text(), QStringLiteral("a -"));
    answer->clear();
    answer->insert(QStringLiteral("98765")); // as a paste does
    QCOMPARE(answer->text(), QStringLiteral("987"));
}

// A box reached by touch takes an input method with digits-only hints, so that
// a touch screen shows its numeric keyboard; a real mouse press, a key or the
// focus leaving gives the box back to plain keys.
void tst_Form::inputMethodFollowsTheFinger_data()
{
    QTest::addColumn<QString>("steps"); // t: tap box 5, c: click it with the mouse, k: type a digit, f: focus box 6
    QTest::addColumn<bool>("enabled");
    QTest::newRow("tap") << "t" << true;
    QTest::newRow("click") << "c" << false;
    QTest::newRow("tap, then type on a keyboard") << "tk" << false;
    QTest::newRow("tap, then click") << "tc" << false;
    QTest::newRow("tap, then focus elsewhere") << "tf" << false;
    QTest::newRow("tap it again after focus came back") << "tft" << true;
}

void tst_Form::inputMethodFollowsTheFinger()
{
    QFETCH(QString, steps);
    QFETCH(bool, enabled);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QLineEdit *box = rowWidgets(window.get(), 5).answer;
    const QPoint middle = box->rect().center();
    static auto *const screen = QTest::createTouchDevice(); // Qt keeps it registered for good
    for (const QChar step : steps) {
        if (step == u't') {
            QTest::touchEvent(window.get(), screen).press(0, box->mapTo(window.get(), middle), window.get());
            QTest::touchEvent(window.get(), screen).release(0, box->mapTo(window.get(), middle), window.get());
        } else if (step == u'c') {
            QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, middle);
        } else if (step == u'k') {
            QTest::keyClick(box, Qt::Key_4);
        } else {
            rowWidgets(window.get(), 6).answer->setFocus(Qt::TabFocusReason);
        }
    }
    QCOMPARE(QApplication::focusWidget(), steps.endsWith(u'f') ? rowWidgets(window.get(), 6).answer : box);
    QInputMethodQueryEvent query(Qt::ImEnabled | Qt::ImHints);
    QCoreApplication::sendEvent(box, &query);
    QCOMPARE(query.value(Qt::ImEnabled).toBool(), enabled);
    if (enabled)
        QCOMPARE(Qt::InputMethodHints(query.value(Qt::ImHints).toInt()),
                 Qt::ImhDigitsOnly | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
}

// What an input method or an on-screen keyboard commits enters as the plain
// characters that grading reads, within the three a box holds; nothing else enters.
void tst_Form::committedTextEntersPlain_data()
{
    QTest::addColumn<QString>("committed");
    QTest::addColumn<int>("replaceFrom"); // relative to the caret, after the box's "4"
    QTest::addColumn<int>("replaceLength");
    QTest::addColumn<QString>("held");
    QTest::newRow("full-width digits") << QString::fromUtf8("１２") << 0 << 0 << "412";
    QTest::newRow("ideographic space") << QString::fromUtf8("　９") << 0 << 0 << "4 9";
    QTest::newRow("trailing space") << "12 " << 0 << 0 << "412";
    QTest::newRow("words") << QString::fromUtf8("你好") << 0 << 0 << "4";
    QTest::newRow("digits with a word") << QString::fromUtf8("1号") << 0 << 0 << "4";
    // A keyboard that corrects what it typed replaces the box's text.
    QTest::newRow("replacing the 4") << QString::fromUtf8("６") << -1 << 1 << "6";
    QTest::newRow("replacing it by words") << QString::fromUtf8("六") << -1 << 1 << "4";
}

void tst_Form::committedTextEntersPlain()
{
    QFETCH(QString, committed);
    QFETCH(int, replaceFrom);
    QFETCH(int, replaceLength);
    QFETCH(QString, held);
    QLineEdit *box = rowWidgets(window.get(), 5).answer;
    box->setText(QStringLiteral("4"));
    QInputMethodEvent commit;
    commit.setCommitString(committed, replaceFrom, replaceLength);
    QCoreApplication::sendEvent(box, &commit);
    QCOMPARE(box->text(), held);
}

namespace {
// A platform that commits what it holds when reset (Windows, fcitx5), or drops it (Wayland, ibus).
class ResetInput : public AnswerInput
{
public:
    ResetInput(QLineEdit *box, bool commits) : AnswerInput(box), m_box(box), m_commits(commits) {}
    QString held;

protected:
    void resetInputMethod() override
    {
        if (m_commits) {
            QInputMethodEvent commit;
            commit.setCommitString(held);
            QCoreApplication::sendEvent(m_box, &commit);
        }
        held.clear();
    }

private:
    QLineEdit *m_box;
    bool m_commits;
};
} // namespace

// Digits an on-screen keyboard still holds are committed once when the set
// is graded, whether the platform commits them itself or not.
void tst_Form::heldTextIsCommittedOnce_data()
{
    QTest::addColumn<bool>("platformCommits");
    QTest::newRow("committed by the platform") << true;
    QTest::newRow("dropped by the platform") << false;
}

void tst_Form::heldTextIsCommittedOnce()
{
    QFETCH(bool, platformCommits);
    QLineEdit box;
    auto *input = new ResetInput(&box, platformCommits);
    input->watch(&box);
    input->held = QString::fromUtf8("７");
    QInputMethodEvent typing(input->held, {});
    QCoreApplication::sendEvent(&box, &typing);
    input->commitHeldText();
    QCOMPARE(box.text(), QStringLiteral("7"));
    input->commitHeldText(); // nothing is held any more
    QCOMPARE(box.text(), QStringLiteral("7"));
}

void tst_Form::operatorItems()
{
    const QStringList symbols = {QStringLiteral("+"), QStringLiteral("-"), QString(QChar(0x00D7)),
                                 QString(QChar(0x00F7))};
    for (int i = 1; i <= 20; ++i) {
        QComboBox *op = rowWidgets(window.get(), i).op;
        QCOMPARE(op->count(), 4);
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(op->itemText(k), symbols[k]);
            QCOMPARE(drill::operationOf(op->itemText(k)), std::optional(drill::Operation(k)));
        }
        QCOMPARE(op->currentText(), QStringLiteral("+"));
        QVERIFY(!op->isEditable());
    }
}

void tst_Form::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const char *const texts[][2] = {
        {"actionStart", "开始练习"},
        {"actionSend", "提交答案"},
        {"label", "数学随机习题练习"},
        {"label1_2", "正确"},
        {"label2_2", "错误"},
        {"label1_3", ""},
        {"label1_4", "计时"},
        {"label_2", "得分"},
        {"labelScore", ""},
        {"label_5", "每天20道"},
        {"labelScore_2", "每题5分，共20题，合计100分"},
        {"menu", "系统"},
    };
    for (const auto &t : texts)
        QTest::newRow(t[0]) << QString::fromLatin1(t[0]) << QString::fromUtf8(t[1]);
}

void tst_Form::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QObject *object = child<QObject>(window.get(), name);
    const char *property = qobject_cast<QMenu *>(object) ? "title" : "text";
    QCOMPARE(object->property(property).toString(), text);
}

void tst_Form::menuAndToolBar()
{
    QCOMPARE(window->windowTitle(), QString::fromUtf8("数学练习题    By: 砚田学社 - quillmarsh 编写"));
    QCOMPARE(child<QLabel>(window.get(), "labelScore_2")->text().count(QChar(0xFF0C)), 2);
    auto *clock = child<QTimeEdit>(window.get(), "timeEdit");
    QCOMPARE(clock->displayFormat(), QStringLiteral("HH:mm:ss"));
    QCOMPARE(clock->text(), QStringLiteral("00:00:00"));

    auto *start = child<QAction>(window.get(), "actionStart");
    auto *send = child<QAction>(window.get(), "actionSend");
    auto *menu = child<QMenu>(window.get(), "menu");
    QCOMPARE(window->menuBar(), child<QMenuBar>(window.get(), "menuBar"));
    QCOMPARE(window->menuBar()->actions(), QList<QAction *>{menu->menuAction()});
    QCOMPARE(menu->actions(), (QList<QAction *>{start, send}));

    auto *bar = child<QToolBar>(window.get(), "mainToolBar");
    QCOMPARE(window->toolBarArea(bar), Qt::LeftToolBarArea);
    QVERIFY(!bar->isMovable());
    QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    const QList<QAction *> items = bar->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0], start);
    QVERIFY(items[1]->isSeparator());
    QCOMPARE(items[2], send);
}

void tst_Form::focusStartsInRowOne()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(QApplication::focusWidget(), rowWidgets(window.get(), 1).answer);
}

void tst_Form::tabWalksAnswerBoxes()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QList<int> forward;
    for (int step = 0; step < 21; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString name = QApplication::focusWidget()->objectName();
        QVERIFY2(name.startsWith(QLatin1String("lineRet")), qPrintable(name));
        forward << name.section(QLatin1String("lineRet"), 1).toInt();
    }
    // Row 1 starts with the focus; Tab then walks the rows in creation order and wraps.
    const QList<int> cycle = {2, 4, 5, 6, 7, 8, 9, 10, 3, 17, 11, 12, 16, 18, 15, 20, 13, 19, 14, 1};
    QCOMPARE(forward, cycle + QList<int>{2});

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), rowWidgets(window.get(), 1).answer);
}

void tst_Form::icons()
{
    for (const char *path : {":/Sumgrove/Resources/practice.png", ":/Sumgrove/Resources/sendMessage.png"}) {
        const QImage image(QString::fromLatin1(path));
        QVERIFY2(!image.isNull(), path);
        QCOMPARE(image.size(), QSize(32, 32));
        QVERIFY(image.hasAlphaChannel());
    }
    for (const char *name : {"actionStart", "actionSend"})
        QVERIFY(!child<QAction>(window.get(), name)->icon().isNull());
}

void tst_Form::hiddenBoxStaysHidden()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(child<QLabel>(window.get(), "label1_3")->visibleRegion().isEmpty());
}

void tst_Form::formKeepsExistingWindowName()
{
    QMainWindow named;
    named.setObjectName(QStringLiteral("mine"));
    Ui_SumgroveClass form;
    form.setupUi(&named);
    QCOMPARE(named.objectName(), QStringLiteral("mine"));
    QCOMPARE(named.size(), QSize(907, 600));
}

void tst_Form::rowAccessorMatchesNamedMembers()
{
    QMainWindow host;
    Ui_SumgroveClass form;
    form.setupUi(&host);
    QCOMPARE(form.row(7).answer, form.lineRet7);
    QCOMPARE(form.row(1).verdict, form.label1);
    QCOMPARE(form.row(20).firstOperand, form.input20_1);
    for (int i = 1; i <= Ui_SumgroveClass::RowCount; ++i) {
        const auto row = form.row(i);
        const RowWidgets w = rowWidgets(&host, i);
        QCOMPARE(row.firstOperand, w.first);
        QCOMPARE(row.operatorBox, w.op);
        QCOMPARE(row.secondOperand, w.second);
        QCOMPARE(row.answer, w.answer);
        QCOMPARE(row.verdict, w.verdict);
    }
}

// The tests of the real program find the window and what is in it by the
// facts they share (window.facts): each still holds of the form, within the
// few pixels by which platforms' menu bars and tool bars differ.
void tst_Form::windowFactsHold()
{
    QMap<QString, QString> facts;
    const QStringList lines = QString::fromUtf8(windowFacts).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            facts.insert(line.section(QLatin1Char(' '), 0, 0), line.section(QLatin1Char(' '), 1));
    }
    static const QRegularExpression apart(QStringLiteral("[ ,x+]"));
    const auto numbers = [&](const char *name) {
        QList<int> values;
        const QStringList words = facts.value(QLatin1String(name)).split(apart);
        for (const QString &word : words)
            values << word.toInt();
        return values;
    };
    const auto point = [&](const char *name) { return QPoint(numbers(name).at(0), numbers(name).at(1)); };
    const auto region = [&](const char *name) {
        const QList<int> n = numbers(name);
        return QRect(n[2], n[3], n[0], n[1]);
    };
    // The faces the program and a desktop give, which size the menu bar and tool bar.
    QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
    substituteFormFonts();
    window = std::make_unique<Sumgrove>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const auto inside = [&](QWidget *widget) { return QRect(widget->mapTo(window.get(), QPoint()), widget->size()); };
    auto *toolBar = child<QToolBar>(window.get(), "mainToolBar");
    QCOMPARE(facts.value(QStringLiteral("title")), window->windowTitle());
    QVERIFY(inside(toolBar->widgetForAction(child<QAction>(window.get(), "actionStart"))).contains(point("start")));
    QVERIFY(inside(toolBar->widgetForAction(child<QAction>(window.get(), "actionSend"))).contains(point("submit")));
    QVERIFY(region("clock").contains(inside(child<QTimeEdit>(window.get(), "timeEdit")).center()));
    QVERIFY(region("score").contains(inside(child<QLabel>(window.get(), "labelScore")).center()));
    const RowWidgets row1 = rowWidgets(window.get(), 1), row10 = rowWidgets(window.get(), 10);
    for (QWidget *operand : {row1.first, row1.second, row10.first, row10.second})
        QVERIFY(region("operands").contains(inside(operand).center()));
    QVERIFY(region("answer1").contains(inside(row1.answer).center()));
    QVERIFY(inside(row1.answer).contains(region("caret")));
    QCOMPARE(numbers("rows").size(), 10);
    for (int i = 1; i <= 20; ++i) {
        const RowWidgets w = rowWidgets(window.get(), i);
        const int column = (i - 1) / 10;
        const QRect mark(numbers("marks").at(column), numbers("rows").at((i - 1) % 10), 30, 30);
        QVERIFY2(mark.contains(inside(w.verdict).center()), qPrintable(QString::number(i)));
        QVERIFY(inside(w.answer).contains(QPoint(numbers("answers").at(column), inside(w.answer).center().y())));
    }
}

QTEST_MAIN(tst_Form)
#include "tst_form.moc"
