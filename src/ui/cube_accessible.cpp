#include "ui/cube_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <array>

#include "render/picking.h"
#include "ui/picture_box.h"

namespace rotalo::ui {

namespace {

class StickerAccessible final : public QAccessibleInterface {
 public:
  StickerAccessible(PictureBox* box, int index) : box_(box), index_(index) {}

  bool isValid() const override { return !box_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return box_ ? box_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(box_.data()); }
  QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
  QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && box_ && box_->stickerName ? box_->stickerName(index_) : QString();
  }
  void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

  QRect rect() const override {
    if (!box_) {
      return {};
    }
    const QRect local = box_->StickerPolygon(index_).boundingRect().toAlignedRect();
    return {box_->mapToGlobal(local.topLeft()), local.size()};
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.focused = box_ && box_->hasFocus() && box_->CursorPlace() == index_;
    state.invisible = !box_ || !box_->isVisible();
    return state;
  }

 private:
  QPointer<PictureBox> box_;
  int index_;
};

class CubeAccessible final : public QAccessibleWidget {
 public:
  explicit CubeAccessible(PictureBox* box) : QAccessibleWidget(box) {}
  ~CubeAccessible() override {
    for (QAccessible::Id id : ids_) {
      if (id != 0) {
        QAccessible::deleteAccessibleInterface(id);
      }
    }
  }

  int childCount() const override { return kVisibleStickers; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= kVisibleStickers) {
      return nullptr;
    }
    QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
    if (id == 0) {
      id = QAccessible::registerAccessibleInterface(new StickerAccessible(Box(), index));
    }
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < kVisibleStickers; ++i) {
      const QAccessible::Id id = ids_[static_cast<std::size_t>(i)];
      if (id != 0 && QAccessible::accessibleInterface(id) == child) {
        return i;
      }
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPointF local = Box()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < kVisibleStickers; ++i) {
      if (Box()->StickerPolygon(i).containsPoint(local, Qt::OddEvenFill)) {
        return child(i);
      }
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    if (Box()->hasFocus() && Box()->CursorPlace() >= 0) {
      return child(Box()->CursorPlace());
    }
    return QAccessibleWidget::focusChild();
  }

 private:
  PictureBox* Box() const { return static_cast<PictureBox*>(widget()); }
  mutable std::array<QAccessible::Id, kVisibleStickers> ids_{};
};

QAccessibleInterface* CubeFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(PictureBox::staticMetaObject.className()) && object != nullptr &&
      object->isWidgetType()) {
    return new CubeAccessible(static_cast<PictureBox*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallCubeAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(CubeFactory);
    return true;
  }();
  static_cast<void>(installed);
}

}  // namespace rotalo::ui
