#include "controls/Unit6.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "controls/TCSpinButton.h"
#include "widgets/SlotBox.h"
#include "widgets/TiIntegerOutput.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("Form6");
    setWindowTitle("Save File Selection");
    setFixedSize(238, 102);
    QFont formFont;
    formFont.setPointSize(14);
    setFont(formFont);

    Label1 = new QLabel("Files", this);
    Label1->setObjectName("Label1");
    QFont large;
    large.setPixelSize(19);
    Label1->setFont(large);
    Label1->setGeometry(16, 18, 56, 28);

    iIntegerOutput1 = new TiIntegerOutput(this);
    iIntegerOutput1->setObjectName("iIntegerOutput1");
    widgets::ConfigureSlotBox(*iIntegerOutput1);
    iIntegerOutput1->setGeometry(80, 16, 80, 32);

    CSpinButton1 = new TCSpinButton(this);
    CSpinButton1->setObjectName("CSpinButton1");
    CSpinButton1->setGeometry(162, 16, 20, 32);
    CSpinButton1->OnUpClick = [this](TCSpinButton*) { CSpinButton1UpClick(); };
    CSpinButton1->OnDownClick = [this](TCSpinButton*) { CSpinButton1DownClick(); };

    QFont buttonFont;
    buttonFont.setPixelSize(12);
    Button2 = new QPushButton("Canel", this);
    Button2->setObjectName("Button2");
    Button2->setFont(buttonFont);
    Button2->setGeometry(32, 62, 75, 28);
    Button1 = new QPushButton("OK", this);
    Button1->setObjectName("Button1");
    Button1->setFont(buttonFont);
    Button1->setGeometry(131, 62, 75, 28);
    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm6::Button2Click);
}

void TForm6::SetMainWindowParts(QWidget* owner, QWidget* tlb1, QWidget* grp2, QWidget* grp3,
                                QAction* recallDo, QAction* saveDo) {
    owner_ = owner;
    tlb1_ = tlb1;
    grp2_ = grp2;
    grp3_ = grp3;
    recallDo_ = recallDo;
    saveDo_ = saveDo;
}

void TForm6::Open(int mode, const QString& caption) {
    setWindowTitle(caption);
    SlotDialogMode = mode;
    if (owner_ != nullptr) {
        move(owner_->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
}

void TForm6::SetMainWindowPartsEnabled(bool enabled) {
    for (QWidget* part : {tlb1_, grp2_, grp3_}) {
        if (part != nullptr) {
            part->setEnabled(enabled);
        }
    }
}

void TForm6::FormShow() {
    SetMainWindowPartsEnabled(false);
}

void TForm6::FormClose() {
    SetMainWindowPartsEnabled(true);
}

void TForm6::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
}

void TForm6::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TForm6::Button1Click() {
    if (SlotDialogMode == kSlotDialogRecall && recallDo_ != nullptr) {
        recallDo_->trigger();
    } else if (SlotDialogMode == kSlotDialogSave && saveDo_ != nullptr) {
        saveDo_->trigger();
    }
    close();
}

void TForm6::Button2Click() {
    close();
}

void TForm6::CSpinButton1UpClick() {
    if (iIntegerOutput1->Value() < 100) {
        iIntegerOutput1->SetValue(iIntegerOutput1->Value() + 1);
    }
}

void TForm6::CSpinButton1DownClick() {
    if (iIntegerOutput1->Value() > 0) {
        iIntegerOutput1->SetValue(iIntegerOutput1->Value() - 1);
    }
}
