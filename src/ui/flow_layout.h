#pragma once

#include <QLayout>
#include <QList>
#include <QStyle>

namespace velmora::ui {

// Lays its items out left to right and wraps them into as many rows as the width needs, so a
// group of buttons uses a wide window and still fits a narrow one.
class FlowLayout : public QLayout {
  public:
    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 6);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override { return items_.value(index); }
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return arrange(QRect(0, 0, width, 0), false); }
    QSize minimumSize() const override;
    QSize sizeHint() const override { return minimumSize(); }
    void setGeometry(const QRect& rect) override;

  private:
    // Places the items in the rectangle (or only measures) and returns the height used.
    int arrange(const QRect& rect, bool place) const;

    QList<QLayoutItem*> items_;
    int spacing_;
};

}  // namespace velmora::ui
