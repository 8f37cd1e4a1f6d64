#pragma once
// A toolbar button that shows the picture of an image list chosen by ImageIndex.

#include <QToolButton>

class TImageList;

class TToolImageButton : public QToolButton {
    Q_OBJECT

  public:
    explicit TToolImageButton(QWidget* parent = nullptr);

    void SetImages(const TImageList* images);  // not owned; must outlive the button
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

  private:
    const TImageList* images_ = nullptr;
    int imageIndex_ = -1;
};
