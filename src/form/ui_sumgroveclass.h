// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice form, built in code in the shape of a generated form: a record of
// pointers that setupUi() fills and retranslateUi() gives its texts.
//
// The twenty problem rows come from one table, SUMGROVE_PROBLEM_ROWS, which both
// declares their named members and drives the loop that builds them. The table is
// in creation order, and creation order is Qt's default Tab chain, so the order of
// its lines is the order in which Tab walks the answer boxes.
#ifndef UI_SUMGROVECLASS_H
#define UI_SUMGROVECLASS_H

#include <QAction> // QtWidgets in Qt 5, QtGui in Qt 6
#include <QtWidgets/QComboBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QSpacerItem>
#include <QtWidgets/QTimeEdit>
#include <QtWidgets/QToolBar>
#include <QtWidgets/QWidget>

//  ROW(number, container, layout, equals label, x, y)
#define SUMGROVE_PROBLEM_ROWS(ROW)                                   \
    ROW(2, layoutWidget, horizontalLayout_2, label_4, 10, 110)        \
    ROW(4, layoutWidget_3, horizontalLayout_4, label_8, 10, 210)      \
    ROW(5, layoutWidget_4, horizontalLayout_5, label_10, 10, 260)     \
    ROW(6, layoutWidget_5, horizontalLayout_6, label_12, 10, 310)     \
    ROW(7, layoutWidget_6, horizontalLayout_7, label_14, 10, 360)     \
    ROW(8, layoutWidget_7, horizontalLayout_8, label_16, 10, 410)     \
    ROW(9, layoutWidget_8, horizontalLayout_9, label_18, 10, 460)     \
    ROW(10, layoutWidget_9, horizontalLayout_10, label_20, 10, 510)   \
    ROW(3, layoutWidget_2, horizontalLayout_3, label_6, 10, 160)      \
    ROW(17, layoutWidget_10, horizontalLayout_11, label_22, 430, 360) \
    ROW(11, layoutWidget_11, horizontalLayout_12, label_24, 430, 70)  \
    ROW(12, layoutWidget_12, horizontalLayout_13, label_26, 430, 110) \
    ROW(16, layoutWidget_13, horizontalLayout_14, label_28, 430, 310) \
    ROW(18, layoutWidget_14, horizontalLayout_15, label_30, 430, 410) \
    ROW(15, layoutWidget_15, horizontalLayout_16, label_32, 430, 260) \
    ROW(20, layoutWidget_16, horizontalLayout_17, label_34, 430, 510) \
    ROW(13, layoutWidget_17, horizontalLayout_18, label_36, 430, 160) \
    ROW(19, layoutWidget_18, horizontalLayout_19, label_38, 430, 460) \
    ROW(14, layoutWidget_19, horizontalLayout_20, label_40, 430, 210) \
    ROW(1, layoutWidget1, horizontalLayout, label_3, 10, 70)

class AnswerInput;

class Ui_SumgroveClass
{
public:
    static constexpr int RowCount = 20;

    // How a row's verdict mark looks: unmarked (a faint white), right, wrong.
    static constexpr char resetStyle[] = "background-color:rgb(255,255,255,60)";
    static constexpr char rightStyle[] = "background-color:rgb(0,255,0)";
    static constexpr char wrongStyle[] = "background-color:rgb(255,0,0)";

    // What the drill reads and writes of one problem row.
    struct ProblemRow
    {
        QLineEdit *firstOperand;
        QComboBox *operatorBox;
        QLineEdit *secondOperand;
        QLineEdit *answer;
        QLabel *verdict;
    };

    QAction *actionStart;
    QAction *actionSend;
    QWidget *centralWidget;
    QLabel *label;
    // The macro's arguments are member names, which cannot be parenthesised.
    // NOLINTBEGIN(bugprone-macro-parentheses)
#define SUMGROVE_DECLARE_ROW(n, container, layout, equals, x, y) \
    QWidget *container;                                          \
    QHBoxLayout *layout;                                         \
    QLineEdit *input##n##_1;                                     \
    QComboBox *comboBox_##n;                                     \
    QLineEdit *input##n##_2;                                     \
    QLabel *equals;                                              \
    QLineEdit *lineRet##n;                                       \
    QLabel *label##n;                                            \
    QSpacerItem *spacer##n;
    SUMGROVE_PROBLEM_ROWS(SUMGROVE_DECLARE_ROW)
#undef SUMGROVE_DECLARE_ROW
    // NOLINTEND(bugprone-macro-parentheses)
    QLabel *label1_2;
    QLabel *label2_2;
    QLabel *label1_3;
    QLabel *label1_4;
    QTimeEdit *timeEdit;
    QLabel *label_2;
    QLabel *labelScore;
    QLabel *label_5;
    QLabel *labelScore_2;
    QMenuBar *menuBar;
    QMenu *menu;
    QToolBar *mainToolBar;
    AnswerInput *answerInput; // what reaches the answer boxes from input methods

    void setupUi(QMainWindow *SumgroveClass);
    void retranslateUi(QMainWindow *SumgroveClass);

    // Row 1 to 20, numbered as the pupil sees them.
    ProblemRow row(int number) const;
};

namespace Ui {
class SumgroveClass : public Ui_SumgroveClass
{
};
} // namespace Ui

#endif // UI_SUMGROVECLASS_H
