// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui_sumgroveclass.h"

#include "answerinput.h"
#include "arithmetic.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaObject>
#include <QtCore/QTimeZone>
#include <QtGui/QFont>
#include <QtGui/QIcon>

namespace {

using Form = Ui_SumgroveClass;

// One problem row: its number, the names of its objects, its place, and where
// the form keeps each of its objects.
struct RowSpec
{
    int number;
    const char *containerName;
    const char *layoutName;
    const char *firstName;
    const char *operatorName;
    const char *secondName;
    const char *equalsName;
    const char *answerName;
    const char *verdictName;
    int x;
    int y;
    QWidget *Form::*container;
    QHBoxLayout *Form::*layout;
    QLineEdit *Form::*firstOperand;
    QComboBox *Form::*operatorBox;
    QLineEdit *Form::*secondOperand;
    QLabel *Form::*equals;
    QLineEdit *Form::*answer;
    QLabel *Form::*verdict;
    QSpacerItem *Form::*spacer;
};

#define SUMGROVE_ROW_SPEC(n, c, l, e, x, y)                                               \
    {n, #c, #l, "input" #n "_1", "comboBox_" #n, "input" #n "_2", #e, "lineRet" #n,       \
     "label" #n, x, y, &Form::c, &Form::l, &Form::input##n##_1, &Form::comboBox_##n,      \
     &Form::input##n##_2, &Form::e, &Form::lineRet##n, &Form::label##n, &Form::spacer##n},
const RowSpec rowSpecs[] = {SUMGROVE_PROBLEM_ROWS(SUMGROVE_ROW_SPEC)};
#undef SUMGROVE_ROW_SPEC

static_assert(sizeof rowSpecs / sizeof rowSpecs[0] == Form::RowCount);

const QSize rowSize(391, 32);
const char operandStyle[] = "background-color: rgb(255, 255, 255);\ncolor: rgb(0, 0, 0);";

QFont formFont(const char *family, int pointSize)
{
    QFont font;
    font.setFamily(QString::fromUtf8(family));
    font.setPointSize(pointSize);
    return font;
}

QFont yaHei(int pointSize)
{
    return formFont("微软雅黑", pointSize);
}

QString tr(const char *text)
{
    return QCoreApplication::translate("SumgroveClass", text, nullptr);
}

template <typename T>
T *named(T *object, const char *name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

// The raised box with a one-pixel mid-line that frames the captions and the verdict marks.
void raisedBox(QFrame *frame)
{
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(0);
    frame->setMidLineWidth(1);
}

QLabel *placedLabel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *widget = named(new QLabel(parent), name);
    widget->setGeometry(geometry);
    return widget;
}

QLineEdit *operandBox(QWidget *parent, const char *name)
{
    auto *box = named(new QLineEdit(parent), name);
    box->setEnabled(false);
    box->setMinimumSize(QSize(0, 30));
    box->setFont(yaHei(12));
    box->setStyleSheet(QLatin1String(operandStyle));
    box->setAlignment(Qt::AlignCenter);
    return box;
}

QAction *action(QMainWindow *window, const char *name, const char *iconPath)
{
    auto *result = named(new QAction(window), name);
    QIcon icon;
    icon.addFile(QLatin1String(iconPath), QSize(), QIcon::Normal, QIcon::Off);
    result->setIcon(icon);
    return result;
}

void buildRow(Form &form, const RowSpec &spec)
{
    auto *container = named(new QWidget(form.centralWidget), spec.containerName);
    container->setGeometry(QRect(QPoint(spec.x, spec.y), rowSize));
    auto *layout = new QHBoxLayout(container);
    layout->setSpacing(6);
    layout->setContentsMargins(0, 0, 0, 0);
    named(layout, spec.layoutName);

    auto *first = operandBox(container, spec.firstName);

    auto *operatorBox = named(new QComboBox(container), spec.operatorName);
    operatorBox->setEnabled(false);
    operatorBox->setMaximumSize(QSize(40, 30));
    QFont operatorFont = yaHei(14);
    operatorFont.setBold(true);
    operatorBox->setFont(operatorFont);
    operatorBox->setStyleSheet(QLatin1String(operandStyle));
    operatorBox->setEditable(false);

    auto *second = operandBox(container, spec.secondName);

    auto *equals = named(new QLabel(container), spec.equalsName);
    QFont equalsFont = yaHei(12);
    equalsFont.setBold(false);
    equals->setFont(equalsFont);
    equals->setAlignment(Qt::AlignCenter);

    auto *answer = named(new QLineEdit(container), spec.answerName);
    answer->setMinimumSize(QSize(0, 30));
    answer->setFont(yaHei(12));
    answer->setMaxLength(static_cast<int>(QString::number(drill::largestAnswer).size()));
    form.answerInput->watch(answer);
    answer->setAlignment(Qt::AlignCenter);

    auto *verdict = named(new QLabel(container), spec.verdictName);
    verdict->setMinimumSize(QSize(30, 0));
    raisedBox(verdict);

    auto *spacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);

    for (QWidget *widget : {static_cast<QWidget *>(first), static_cast<QWidget *>(operatorBox),
                            static_cast<QWidget *>(second), static_cast<QWidget *>(equals),
                            static_cast<QWidget *>(answer), static_cast<QWidget *>(verdict)})
        layout->addWidget(widget);
    layout->addItem(spacer);

    form.*spec.container = container;
    form.*spec.layout = layout;
    form.*spec.firstOperand = first;
    form.*spec.operatorBox = operatorBox;
    form.*spec.secondOperand = second;
    form.*spec.equals = equals;
    form.*spec.answer = answer;
    form.*spec.verdict = verdict;
    form.*spec.spacer = spacer;
}

} // namespace

void Ui_SumgroveClass::setupUi(QMainWindow *SumgroveClass)
{
    if (SumgroveClass->objectName().isEmpty())
        SumgroveClass->setObjectName(QStringLiteral("SumgroveClass"));
    SumgroveClass->resize(907, 600);
    SumgroveClass->setContextMenuPolicy(Qt::NoContextMenu);

    actionStart = action(SumgroveClass, "actionStart", ":/Sumgrove/Resources/practice.png");
    actionSend = action(SumgroveClass, "actionSend", ":/Sumgrove/Resources/sendMessage.png");

    centralWidget = named(new QWidget(SumgroveClass), "centralWidget");

    label = placedLabel(centralWidget, "label", QRect(310, 10, 211, 41));
    QFont headingFont = formFont("华文中宋", 18);
    headingFont.setBold(true);
    label->setFont(headingFont);
    label->setStyleSheet(QStringLiteral("color: rgb(255, 85, 0);"));
    label->setAlignment(Qt::AlignCenter);

    answerInput = new AnswerInput(centralWidget);
    for (const RowSpec &spec : rowSpecs)
        buildRow(*this, spec);

    // The colour legend: a green and a red swatch captioned with the two verdicts.
    label1_2 = placedLabel(centralWidget, "label1_2", QRect(560, 30, 30, 30));
    label2_2 = placedLabel(centralWidget, "label2_2", QRect(615, 30, 30, 30));
    label1_3 = placedLabel(centralWidget, "label1_3", QRect(716, -71, 30, 30));
    for (QLabel *box : {label1_2, label2_2, label1_3}) {
        box->setMinimumSize(QSize(30, 0));
        box->setFrameShape(QFrame::Box);
    }
    label1_2->setStyleSheet(QStringLiteral("background-color: rgb(0, 255, 0);"));
    label1_2->setAlignment(Qt::AlignCenter);
    label2_2->setStyleSheet(QStringLiteral("background-color: rgb(255, 0, 0);"));
    label2_2->setAlignment(Qt::AlignCenter);

    label1_4 = placedLabel(centralWidget, "label1_4", QRect(680, 30, 41, 31));
    label1_4->setMinimumSize(QSize(30, 0));
    label1_4->setFont(yaHei(10));
    label1_4->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
    raisedBox(label1_4);
    label1_4->setAlignment(Qt::AlignCenter);

    timeEdit = named(new QTimeEdit(centralWidget), "timeEdit");
    timeEdit->setEnabled(false);
    timeEdit->setGeometry(QRect(720, 30, 91, 31));
    QFont clockFont = yaHei(11);
    clockFont.setBold(false);
    timeEdit->setFont(clockFont);
    timeEdit->setStyleSheet(
        QStringLiteral("color: rgb(255, 0, 0);\nbackground-color: rgb(255, 255, 255);"));
    timeEdit->setWrapping(false);
    timeEdit->setFrame(true);
    timeEdit->setAlignment(Qt::AlignCenter);
    timeEdit->setButtonSymbols(QAbstractSpinBox::NoButtons);
    timeEdit->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    timeEdit->setCurrentSection(QDateTimeEdit::HourSection);
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0) // where a time zone took over from the time spec
    timeEdit->setTimeZone(QTimeZone::LocalTime);
#else
    timeEdit->setTimeSpec(Qt::LocalTime);
#endif

    label_2 = placedLabel(centralWidget, "label_2", QRect(10, 18, 41, 31));
    label_2->setFont(yaHei(10));
    raisedBox(label_2);
    label_2->setAlignment(Qt::AlignCenter);

    labelScore = placedLabel(centralWidget, "labelScore", QRect(50, 18, 61, 31));
    labelScore->setFont(yaHei(11));
    labelScore->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    raisedBox(labelScore);
    labelScore->setAlignment(Qt::AlignCenter);

    label_5 = placedLabel(centralWidget, "label_5", QRect(230, 10, 81, 21));
    QFont dailyFont = yaHei(11);
    dailyFont.setItalic(true);
    dailyFont.setUnderline(false);
    label_5->setFont(dailyFont);
    label_5->setStyleSheet(QStringLiteral("color: rgb(133, 0, 200);"));
    label_5->setAlignment(Qt::AlignCenter);

    labelScore_2 = placedLabel(centralWidget, "labelScore_2", QRect(6, 44, 191, 31));
    labelScore_2->setFont(yaHei(10));
    labelScore_2->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    raisedBox(labelScore_2);
    labelScore_2->setFrameShape(QFrame::NoFrame);
    labelScore_2->setAlignment(Qt::AlignCenter);

    SumgroveClass->setCentralWidget(centralWidget);

    menuBar = named(new QMenuBar(SumgroveClass), "menuBar");
    menuBar->setGeometry(QRect(0, 0, 907, 23));
    menu = named(new QMenu(menuBar), "menu");
    SumgroveClass->setMenuBar(menuBar);

    mainToolBar = named(new QToolBar(SumgroveClass), "mainToolBar");
    mainToolBar->setFont(yaHei(10));
    mainToolBar->setContextMenuPolicy(Qt::DefaultContextMenu);
    mainToolBar->setMovable(false);
    mainToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    SumgroveClass->addToolBar(Qt::LeftToolBarArea, mainToolBar);

    menuBar->addAction(menu->menuAction());
    menu->addAction(actionStart);
    menu->addAction(actionSend);
    mainToolBar->addAction(actionStart);
    mainToolBar->addSeparator();
    mainToolBar->addAction(actionSend);

    retranslateUi(SumgroveClass);

    QMetaObject::connectSlotsByName(SumgroveClass);
}

void Ui_SumgroveClass::retranslateUi(QMainWindow *SumgroveClass)
{
    SumgroveClass->setWindowTitle(tr("数学练习题    By: 砚田学社 - quillmarsh 编写"));
    actionStart->setText(tr("开始练习"));
    actionSend->setText(tr("提交答案"));
    label->setText(tr("数学随机习题练习"));
    for (const RowSpec &spec : rowSpecs) {
        QComboBox *operatorBox = this->*spec.operatorBox;
        operatorBox->clear();
        operatorBox->insertItems(0, {tr("+"), tr("-"), tr("×"), tr("÷")});
        (this->*spec.equals)->setText(tr("="));
        (this->*spec.verdict)->setText(QString());
        // Heard, not seen: lets a screen reader tell the answer boxes apart.
        (this->*spec.answer)->setAccessibleName(tr("第%1题").arg(spec.number));
    }
    label1_2->setText(tr("正确"));
    label2_2->setText(tr("错误"));
    label1_3->setText(QString());
    label1_4->setText(tr("计时"));
    timeEdit->setDisplayFormat(tr("HH:mm:ss"));
    timeEdit->setAccessibleName(label1_4->text()); // heard with its caption, as seen
    label_2->setText(tr("得分"));
    labelScore->setText(QString());
    labelScore->setAccessibleName(label_2->text());
    label_5->setText(tr("每天20道"));
    labelScore_2->setText(tr("每题5分，共20题，合计100分"));
    menu->setTitle(tr("系统"));
}

Ui_SumgroveClass::ProblemRow Ui_SumgroveClass::row(int number) const
{
    for (const RowSpec &spec : rowSpecs) {
        if (spec.number == number)
            return {this->*spec.firstOperand, this->*spec.operatorBox, this->*spec.secondOperand,
                    this->*spec.answer, this->*spec.verdict};
    }
    return {};
}
