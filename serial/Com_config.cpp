#include "serial/Com_config.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "platform/SerialPortList.h"
#include "serial/TComm.h"

TForm3* Form3 = nullptr;

namespace {

constexpr int kDefaultBaudIndex = 6;      // "9600"
constexpr int kDefaultByteSizeIndex = 3;  // 8 data bits

const QStringList kBaudRates = {"110",   "300",   "600",    "1200",   "2400",
                                "4800",  "9600",  "14400",  "19200",  "38400",
                                "56000", "57600", "115200", "128000", "256000"};

QFont PixelFont(int pixels) {
    QFont font;
    font.setPixelSize(pixels);
    return font;
}

// Selects the index of the first entry that matches, or the default.
void SelectFirstMatch(QComboBox* list, const std::function<bool(int)>& matches, int fallback) {
    for (int i = 0; i < list->count(); ++i) {
        if (matches(i)) {
            list->setCurrentIndex(i);
            return;
        }
    }
    list->setCurrentIndex(fallback < list->count() ? fallback : -1);
}

}  // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
    setObjectName("Form3");
    setWindowTitle("RS232 Config");
    setFixedSize(329, 206);
    setFont(PixelFont(11));
    ListPorts = ListSerialPorts;

    grp1 = new QGroupBox(this);
    grp1->setObjectName("grp1");
    grp1->setGeometry(8, 8, 313, 153);

    auto makeLabel = [this](const char* name, const QString& text, QRect geometry) {
        auto* label = new QLabel(text, grp1);
        label->setObjectName(name);
        label->setFont(PixelFont(16));
        label->setGeometry(geometry);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    };
    lbl1 = makeLabel("lbl1", "CommName:", QRect(20, 16, 112, 20));
    lbl2 = makeLabel("lbl2", "BaudRate:", QRect(35, 41, 97, 20));
    lbl3 = makeLabel("lbl3", "Parity:", QRect(69, 67, 63, 20));
    lbl4 = makeLabel("lbl4", "ByteSize:", QRect(45, 92, 87, 20));
    lbl5 = makeLabel("lbl5", "StopBits:", QRect(47, 117, 85, 20));

    auto makeList = [this](const char* name, const QStringList& entries, int selected, int top) {
        auto* list = new QComboBox(grp1);
        list->setObjectName(name);
        list->setEditable(false);
        list->addItems(entries);
        list->setCurrentIndex(selected);
        list->setGeometry(136, top, 97, 21);
        return list;
    };
    cbb1 = makeList("cbb1", {}, -1, 16);
    cbb2 = makeList("cbb2", kBaudRates, kDefaultBaudIndex, 41);
    cbb3 = makeList("cbb3", {"None", "Odd", "Even", "Mark", "Space"}, 0, 66);
    cbb4 = makeList("cbb4", {"5", "6", "7", "8"}, kDefaultByteSizeIndex, 91);
    cbb5 = makeList("cbb5", {"1", "1.5", "2"}, 0, 116);

    btn2 = new QPushButton("Yes", this);
    btn2->setObjectName("btn2");
    btn2->setGeometry(160, 168, 75, 25);
    btn2->setAutoDefault(false);
    btn1 = new QPushButton("No", this);
    btn1->setObjectName("btn1");
    btn1->setGeometry(248, 168, 75, 25);
    btn1->setAutoDefault(false);
    connect(btn2, &QPushButton::clicked, this, &TForm3::btn2Click);
    connect(btn1, &QPushButton::clicked, this, &TForm3::btn1Click);

    FormCreate();
}

void TForm3::FillPortList() {
    QStringList ports;
    if (ListPorts) {
        ListPorts(ports);
    }
    cbb1->clear();
    cbb1->addItems(ports);
}

void TForm3::FormCreate() {
    FillPortList();
    cbb1->setCurrentIndex(cbb1->count() > 0 ? 0 : -1);
}

void TForm3::FormShow() {
    FillPortList();
    SelectFromComponent();
    ApplyToComponent();
}

void TForm3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Once per opening: the window system's own show events (restoring the minimised
    // dialog) must not rebuild the lists under the operator's unconfirmed choices.
    if (!event->spontaneous()) {
        FormShow();
    }
}

int TForm3::ShowModalOver(const QWidget* owner) {
    if (owner != nullptr) {
        move(owner->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    return exec();
}

void TForm3::SelectFromComponent() {
    if (comm_ == nullptr) {
        return;
    }
    const QString name = QString::fromStdString(comm_->CommName());
    SelectFirstMatch(
        cbb1, [&](int i) { return cbb1->itemText(i) == name; }, 0);
    SelectFirstMatch(
        cbb2,
        [&](int i) {
            bool ok = false;
            const uint rate = cbb2->itemText(i).toUInt(&ok);
            return ok && rate == comm_->BaudRate();
        },
        kDefaultBaudIndex);
    SelectFirstMatch(
        cbb3, [&](int i) { return i == static_cast<int>(comm_->Parity()); }, 0);
    SelectFirstMatch(
        cbb4, [&](int i) { return i == static_cast<int>(comm_->ByteSize()); },
        kDefaultByteSizeIndex);
    SelectFirstMatch(
        cbb5, [&](int i) { return i == static_cast<int>(comm_->StopBits()); }, 0);
}

void TForm3::ApplyToComponent() {
    if (comm_ == nullptr) {
        return;
    }
    comm_->SetCommName(cbb1->currentIndex() >= 0 ? cbb1->currentText().toStdString()
                                                 : std::string());
    comm_->SetBaudRate(cbb2->currentText().toUInt());
    comm_->SetParity(static_cast<TParity>(cbb3->currentIndex()));
    comm_->SetByteSize(static_cast<TByteSize>(cbb4->currentIndex()));
    comm_->SetStopBits(static_cast<TStopBits>(cbb5->currentIndex()));
}

void TForm3::btn2Click() {
    ApplyToComponent();
    accept();
}

void TForm3::btn1Click() {
    SelectFromComponent();
    reject();
}
