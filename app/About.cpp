#include "app/About.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ProgramInfo.h"

TForm2* Form2 = nullptr;

namespace {
// The window's size with its frame.
constexpr QSize kOuterSize(411, 256);

QFont PixelFont(int pixels) {
    QFont font;
    font.setPixelSize(pixels);
    return font;
}
}  // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Form2");
    setWindowTitle("about");
    resize(kOuterSize);  // until the window system tells the frame's size
    setFont(PixelFont(11));

    StaticText1 = new QLabel("DC Power Supply", this);
    StaticText1->setObjectName("StaticText1");
    StaticText1->setFont(PixelFont(32));
    StaticText1->setGeometry(24, 16, 363, 44);
    StaticText1->setAlignment(Qt::AlignCenter);

    auto makeLabel = [this](const char* name, const QString& text, QRect geometry) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setGeometry(geometry);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    // The device row has the large font; the SCPI row keeps the window's.
    Label1 = makeLabel("Label1", "Device Version:", QRect(24, 76, 130, 22));
    Label1->setFont(PixelFont(16));
    Label3 = makeLabel("Label3", QString(), QRect(156, 76, 240, 44));
    Label3->setFont(PixelFont(16));
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
    if (!testAttribute(Qt::WA_WState_Created)) {
        create();  // the platform window, which knows the frame where it can
    }
    fitOuterSize();
    if (owner != nullptr) {
        const QSize outer = frameGeometry().size();
        move(owner->frameGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2));
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

void TForm2::fitOuterSize() {
    const QSize frame = frameGeometry().size() - size();
    if (size() != kOuterSize - frame) {
        resize(kOuterSize - frame);
    }
}

void TForm2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fitOuterSize();
}

void TForm2::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // A window manager that frames the window only after it is mapped moves it into the frame.
    fitOuterSize();
}

void TForm2::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) {
        FormDeactivate();
    }
}
