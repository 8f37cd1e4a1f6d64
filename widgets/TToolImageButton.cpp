#include "widgets/TToolImageButton.h"

#include <QIcon>

#include "widgets/TImageList.h"

TToolImageButton::TToolImageButton(QWidget* parent) : QToolButton(parent) {
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

void TToolImageButton::SetImages(const TImageList* images) {
    images_ = images;
    if (images_ != nullptr) {
        setIconSize(QSize(images_->Width(), images_->Height()));
    }
    SetImageIndex(imageIndex_);
}

void TToolImageButton::SetImageIndex(int index) {
    imageIndex_ = index;
    setIcon(images_ != nullptr ? QIcon(images_->Picture(index)) : QIcon());
}
