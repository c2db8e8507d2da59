#include "ui/art/artwork.h"
namespace rotalo {
QImage TitlePicture(qreal) {
  QImage i(298, 105, QImage::Format_RGB32);
  i.fill(Qt::red);
  return i;
}
QImage SolvedCubePicture(qreal) {
  QImage i(200, 200, QImage::Format_RGB32);
  i.fill(Qt::blue);
  return i;
}
QCursor PaintingPointer() {
  return QCursor(Qt::CrossCursor);
}
QCursor RotatingPointer() {
  return QCursor(Qt::SizeAllCursor);
}
QIcon ProgramIcon() {
  return {};
}
}  // namespace rotalo
