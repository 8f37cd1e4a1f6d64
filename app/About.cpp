#include "app/About.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ProgramInfo.h"

TForm2* Form2 = nullptr;

namespace {
QFont PixelFont(int pixels) {
    QFont font;
    font.setPixelSize(pixels);
    return font;
}
}  // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Form2");
    setWindowTitle("about");
    resize(411, 256);
    setFont(PixelFont(11));

    StaticText1 = new QLabel("DC Power Supply", this);
    StaticText1->setObjectName("StaticText1");
    StaticText1->setFont(PixelFont(32));
    StaticText1->setGeometry(24, 16, 363, 44);
    StaticText1->setAlignment(Qt::AlignCenter);

    auto makeLabel = [this](const char* name, const QString& text, QRect geometry) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setFont(PixelFont(16));
        label->setGeometry(geometry);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    Label1 = makeLabel("Label1", "Device Version:", QRect(24, 76, 130, 22));
    Label3 = makeLabel("Label3", QString(), QRect(156, 76, 240, 44));
    Label3->setWordWrap(true);
    Label2 = makeLabel("Label2", "SCPI Version:", QRect(24, 124, 130, 22));
    Label4 = makeLabel("Label4", QString(), QRect(156, 124, 240, 22));
    lbl4 = new QLabel(QStringLiteral("Version:") + kProgramVersion, this);
    lbl4->setObjectName("lbl4");
    lbl4->setGeometry(24, 160, 200, 18);

    bvl1 = new QFrame(this);
    bvl1->setObjectName("bvl1");
    bvl1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bvl1->setGeometry(16, 184, 379, 4);

    btn1 = new QPushButton("ok", this);
    btn1->setObjectName("btn1");
    btn1->setFont(PixelFont(16));
    btn1->setGeometry(160, 200, 91, 32);
    connect(btn1, &QPushButton::clicked, this, &TForm2::btn1Click);
}

void TForm2::ShowOver(const QWidget* owner) {
    if (owner != nullptr) {
        move(owner->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
}

void TForm2::btn1Click() {
    close();
}

void TForm2::FormDeactivate() {
    close();
}

void TForm2::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) {
        FormDeactivate();
    }
}
