#pragma once
// A list of equally sized pictures addressed by index, as the toolbar and the status bar
// use them.

#include <QPixmap>
#include <QSize>
#include <vector>

class TImageList {
  public:
    explicit TImageList(QSize size = QSize(16, 16)) : size_(size) {}

    int Width() const { return size_.width(); }
    int Height() const { return size_.height(); }
    int Count() const { return static_cast<int>(images_.size()); }
    void Add(const QPixmap& picture) { images_.push_back(picture); }
    // An index outside the list gives a null pixmap.
    QPixmap Picture(int index) const {
        return index >= 0 && index < Count() ? images_[static_cast<size_t>(index)] : QPixmap();
    }

  private:
    QSize size_;
    std::vector<QPixmap> images_;
};
