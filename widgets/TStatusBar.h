#pragma once
// Status bar of fixed-width text panels; a panel may be drawn by its owner through OnDrawPanel.
// Tag is a free integer the owner keeps with the bar (the main window stores the index of
// its link picture there).

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class TStatusBar : public QWidget {
    Q_OBJECT

  public:
    struct Panel {
        int Width = 50;
        QString Text;
        bool OwnerDraw = false;
    };

    explicit TStatusBar(QWidget* parent = nullptr);

    int AddPanel(int width, const QString& text = QString(), bool ownerDraw = false);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString& text);  // repaints on change
    QRect PanelRect(int index) const;

    int Tag() const { return tag_; }
    void SetTag(int tag);

    // Draws an owner-drawn panel; the painter paints on the whole bar.
    std::function<void(TStatusBar* StatusBar, QPainter& Canvas, int Panel, const QRect& Rect)>
        OnDrawPanel;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<Panel> panels_;
    int tag_ = 0;
};
