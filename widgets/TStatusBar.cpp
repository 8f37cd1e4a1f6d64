#include "widgets/TStatusBar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

TStatusBar::TStatusBar(QWidget* parent) : QWidget(parent) {
    setFixedHeight(22);
}

int TStatusBar::AddPanel(int width, const QString& text, bool ownerDraw) {
    panels_.push_back(Panel{width, text, ownerDraw});
    update();
    return PanelCount() - 1;
}

QString TStatusBar::PanelText(int index) const {
    return index >= 0 && index < PanelCount() ? panels_[static_cast<size_t>(index)].Text
                                              : QString();
}

void TStatusBar::SetPanelText(int index, const QString& text) {
    if (index < 0 || index >= PanelCount()) {
        return;
    }
    Panel& panel = panels_[static_cast<size_t>(index)];
    if (panel.Text != text) {
        panel.Text = text;
        update();
    }
}

QRect TStatusBar::PanelRect(int index) const {
    int left = 0;
    for (int i = 0; i < index && i < PanelCount(); ++i) {
        left += panels_[static_cast<size_t>(i)].Width;
    }
    const bool last = index == PanelCount() - 1;
    const int width =
        last ? std::max(panels_[static_cast<size_t>(index)].Width, this->width() - left)
             : panels_[static_cast<size_t>(index)].Width;
    return {left, 0, width, height()};
}

void TStatusBar::SetTag(int tag) {
    if (tag_ != tag) {
        tag_ = tag;
        update();
    }
}

void TStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (int i = 0; i < PanelCount(); ++i) {
        const QRect box = PanelRect(i).adjusted(0, 2, -2, 0);
        // A sunken frame round each panel, as status bars of instrument software have.
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
        const Panel& panel = panels_[static_cast<size_t>(i)];
        if (panel.OwnerDraw) {
            if (OnDrawPanel) {
                painter.save();
                OnDrawPanel(this, painter, i, box);
                painter.restore();
            }
            continue;
        }
        painter.setPen(palette().color(QPalette::WindowText));
        // Replies end with a line feed that is kept in the text; draw it on one line.
        painter.drawText(box.adjusted(3, 0, -2, 0),
                         Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, panel.Text);
    }
}
