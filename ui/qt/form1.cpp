// SPDX-License-Identifier: MIT
#include "form1.h"

#include "buildlayout.h"
#include "fitting.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    buildFromLayout(this, Layout::Form1);
    Label1 = findChild<QLabel *>(QStringLiteral("Label1"));
    Label2 = findChild<QLabel *>(QStringLiteral("Label2"));
    Command1 = findChild<QPushButton *>(QStringLiteral("Command1"));
    Label3 = findChild<QLabel *>(QStringLiteral("Label3"));
    fitFont();
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}

void Form1::fitFont()
{
    std::vector<TextRoom> texts;
    for (QLabel *l : { Label1, Label2, Label3 })
        texts.push_back({ l->text(), l->size(), true, layoutDirection() });
    texts.push_back({ Command1->text(), Command1->size() - QSize(8, 4), false });
    const QFont fitted = fittingFont(QApplication::font(), texts);
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        w->setFont(fitted);
    for (QLabel *l : { Label1, Label2, Label3 })
        l->setContentsMargins(trailingBlank(fitted, layoutDirection()), 0, 0, 0);
}
