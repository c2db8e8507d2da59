// Reading the real cube instead of painting it: from the camera, a face at a
// time held still in front of it, or from one to six photos, one per face, in
// any order and any way up. The faces read are assembled into a painting for
// the main window, with the stickers not read for sure left uncoloured.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "model/cube.h"
#include "scan/camera.h"
#include "scan/cube_reading.h"
#include "ui/services.h"

class QCamera;
class QLabel;
class QListWidget;
class QMediaCaptureSession;
class QPushButton;
class QTabWidget;
class QVideoFrame;
class QVideoSink;

namespace rotalo::ui {

class ScanWindow : public QDialog {
  Q_OBJECT

 public:
  // `chosen`: the user's colours for codes 1..6.
  ScanWindow(Services& services, const std::array<Colour, 6>& chosen, QWidget* parent = nullptr);
  ~ScanWindow() override;

  // The files "Add Photos..." offers; a file dialog unless replaced.
  std::function<QStringList(QWidget* parent)> choosePhotos;

  // Photos: each file read, its face found and shown with its grid. A file
  // that is no picture, or shows no face, is named in a message and left
  // out. At most six faces are kept.
  void AddPhotos(const QStringList& files);
  // The camera's way in: a frame at time `ms`. Shows the frame with the grid
  // found in it, and takes the face once it has been held still.
  void FeedFrame(const QImage& frame, qint64 ms);

  // What the faces read so far make of the cube.
  const scan::CubeReading& Reading() const { return reading_; }
  int FacesRead() const { return static_cast<int>(faces_.size()); }
  QString Advice() const;

  // Controls, for the keyboard and for tests.
  QTabWidget* Sources = nullptr;
  QPushButton* AddPhotosButton = nullptr;
  QPushButton* ClearButton = nullptr;
  QPushButton* UseButton = nullptr;
  QLabel* CameraView = nullptr;
  QLabel* CameraHint = nullptr;
  QListWidget* PhotoList = nullptr;
  QLabel* ResultLabel = nullptr;

 signals:
  // "Use This Cube": the painting, colour codes 0..6 for facelets 1..54, 0
  // where a sticker was not read for sure.
  void CubeChosen(const rotalo::Buffer& painting);

 private:
  struct Face {
    scan::FaceReadings readings;
    QImage picture;  // the photo or frame it was read from, with its grid
  };

  // The face read before that has the same centre, or end.
  std::vector<Face>::iterator SameFace(const scan::FaceReadings& readings);
  // Whether a face read so is kept: a seventh face is not, the same face
  // again replaces the one read before.
  bool Takes(const scan::FaceReadings& readings);
  void AddFace(const scan::FaceReadings& readings, const QImage& picture);
  void Reassemble();
  void StartCamera();
  void StopCamera();
  void CameraFrame(const QVideoFrame& frame);
  QImage WithGrid(const QImage& picture, const scan::FaceGrid& grid, bool taken) const;
  QImage FaceSwatch(const scan::FaceReadings& readings) const;
  void ShowCameraFaces();

  Services& services_;
  std::array<Colour, 6> chosen_;
  std::vector<Face> faces_;
  scan::CubeReading reading_;
  scan::FaceHold hold_;
  std::array<QLabel*, 6> cameraFaces_{};
  std::unique_ptr<QCamera> camera_;
  std::unique_ptr<QMediaCaptureSession> session_;
  std::unique_ptr<QVideoSink> sink_;
  QElapsedTimer cameraClock_;  // the times of the camera's frames
  bool noCamera_ = false;
};

}  // namespace rotalo::ui
