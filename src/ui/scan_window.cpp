#include "ui/scan_window.h"

#include <QCamera>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QVideoFrame>
#include <QVideoSink>
#include <algorithm>

namespace rotalo::ui {

namespace {

constexpr int kFaces = 6;
constexpr int kViewWidth = 480;   // the camera picture as shown
constexpr int kThumbnail = 160;   // a photo in the list
constexpr int kFrameWidth = 640;  // frames are read at most this wide

// A view of an RGB888 image's pixels.
scan::ImageView ViewOf(const QImage& rgb) {
  return {rgb.constBits(), rgb.width(), rgb.height(), static_cast<int>(rgb.bytesPerLine()), scan::PixelOrder::Rgb};
}

QColor ToQColor(const scan::Rgb& c) {
  const auto channel = [](float v) { return std::clamp(static_cast<int>(v + 0.5f), 0, 255); };
  return {channel(c.r), channel(c.g), channel(c.b)};
}

// Two readings of a face's centre close enough to be the same face again.
bool SameCentre(const scan::FaceReadings& a, const scan::FaceReadings& b) {
  const float dr = a[4].r - b[4].r;
  const float dg = a[4].g - b[4].g;
  const float db = a[4].b - b[4].b;
  return dr * dr + dg * dg + db * db < 30.0f * 30.0f;
}

}  // namespace

ScanWindow::ScanWindow(Services& services, const std::array<Colour, 6>& chosen, QWidget* parent)
    : QDialog(parent), services_(services), chosen_(chosen) {
  setWindowTitle(tr("Scan Cube"));
  choosePhotos = [](QWidget* owner) {
    return QFileDialog::getOpenFileNames(owner, tr("Add Photos"),
                                         QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                                         tr("Pictures (*.png *.jpg *.jpeg *.bmp *.webp);;All files (*)"));
  };

  Sources = new QTabWidget(this);

  // The camera: the live picture, the faces taken, what to do next.
  auto* camera = new QWidget(Sources);
  CameraView = new QLabel(camera);
  CameraView->setMinimumSize(kViewWidth, kViewWidth * 3 / 4);
  CameraView->setAlignment(Qt::AlignCenter);
  CameraView->setAccessibleName(tr("Camera picture"));
  CameraHint = new QLabel(camera);
  CameraHint->setWordWrap(true);
  auto* taken = new QVBoxLayout;
  for (QLabel*& face : cameraFaces_) {
    face = new QLabel(camera);
    face->setFixedSize(48, 48);
    taken->addWidget(face);
  }
  taken->addStretch();
  auto* cameraRow = new QHBoxLayout;
  cameraRow->addWidget(CameraView, 1);
  cameraRow->addLayout(taken);
  auto* cameraLayout = new QVBoxLayout(camera);
  cameraLayout->addLayout(cameraRow);
  cameraLayout->addWidget(CameraHint);
  Sources->addTab(camera, tr("&Camera"));

  // Photos: one to six files, shown with the grids found.
  auto* photos = new QWidget(Sources);
  PhotoList = new QListWidget(photos);
  PhotoList->setViewMode(QListView::IconMode);
  PhotoList->setIconSize(QSize(kThumbnail, kThumbnail));
  PhotoList->setResizeMode(QListView::Adjust);
  PhotoList->setMovement(QListView::Static);
  PhotoList->setAccessibleName(tr("Photos read"));
  AddPhotosButton = new QPushButton(tr("&Add Photos..."), photos);
  connect(AddPhotosButton, &QPushButton::clicked, this, [this] { AddPhotos(choosePhotos(this)); });
  auto* photoLayout = new QVBoxLayout(photos);
  photoLayout->addWidget(PhotoList, 1);
  photoLayout->addWidget(AddPhotosButton, 0, Qt::AlignLeft);
  Sources->addTab(photos, tr("&Photos"));
  connect(Sources, &QTabWidget::currentChanged, this, [this](int tab) {
    if (tab == 0) {
      StartCamera();
    } else {
      StopCamera();
    }
  });

  ResultLabel = new QLabel(this);
  ResultLabel->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(this);
  UseButton = buttons->addButton(tr("&Use This Cube"), QDialogButtonBox::AcceptRole);
  ClearButton = buttons->addButton(tr("Start A&gain"), QDialogButtonBox::ResetRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(UseButton, &QPushButton::clicked, this, [this] {
    Buffer painting = reading_.cube;
    for (const int facelet : reading_.uncertain) {
      painting[static_cast<std::size_t>(facelet)] = 0;
    }
    StopCamera();
    emit CubeChosen(painting);
    accept();
  });
  connect(ClearButton, &QPushButton::clicked, this, [this] {
    faces_.clear();
    PhotoList->clear();
    hold_.Reset();
    Reassemble();
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Sources, 1);
  layout->addWidget(ResultLabel);
  layout->addWidget(buttons);
  Reassemble();
  StartCamera();
}

ScanWindow::~ScanWindow() {
  StopCamera();
}

void ScanWindow::StartCamera() {
  if (camera_ || noCamera_) {
    ShowCameraFaces();
    return;
  }
  const QCameraDevice device = QMediaDevices::defaultVideoInput();
  if (device.isNull()) {
    noCamera_ = true;
    CameraView->setText(tr("No camera"));
    ShowCameraFaces();
    return;
  }
  camera_ = std::make_unique<QCamera>(device);
  session_ = std::make_unique<QMediaCaptureSession>();
  sink_ = std::make_unique<QVideoSink>();
  session_->setCamera(camera_.get());
  session_->setVideoSink(sink_.get());
  connect(sink_.get(), &QVideoSink::videoFrameChanged, this, &ScanWindow::CameraFrame, Qt::QueuedConnection);
  camera_->start();
  ShowCameraFaces();
}

void ScanWindow::StopCamera() {
  if (camera_) {
    camera_->stop();
  }
  session_.reset();
  sink_.reset();
  camera_.reset();
}

void ScanWindow::CameraFrame(const QVideoFrame& frame) {
  if (!cameraClock_.isValid()) {
    cameraClock_.start();
  }
  FeedFrame(frame.toImage(), cameraClock_.elapsed());
}

void ScanWindow::FeedFrame(const QImage& frame, qint64 ms) {
  if (frame.isNull()) {
    return;
  }
  QImage rgb = frame.width() > kFrameWidth ? frame.scaledToWidth(kFrameWidth, Qt::FastTransformation) : frame;
  rgb = rgb.convertToFormat(QImage::Format_RGB888);
  const scan::FrameReport report = hold_.Feed(ViewOf(rgb), ms);
  QImage shown = report.grid ? WithGrid(rgb, *report.grid, report.held) : rgb;
  CameraView->setPixmap(QPixmap::fromImage(shown.scaledToWidth(kViewWidth, Qt::SmoothTransformation)));
  if (report.held) {
    if (Takes(report.readings)) {
      AddFace(report.readings, shown);
      services_.Beep();
    }
  }
}

void ScanWindow::AddPhotos(const QStringList& files) {
  for (const QString& file : files) {
    const QString name = QFileInfo(file).fileName();
    QImageReader reader(file);
    reader.setAutoTransform(true);  // as the camera held it
    const QImage picture = reader.read();
    if (picture.isNull()) {
      services_.MsgBox(this, tr("%1 is not a picture Rotalo can read.").arg(name), kExclamation);
      continue;
    }
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    const std::optional<scan::FaceGrid> grid = scan::FindFace(ViewOf(rgb));
    if (!grid) {
      services_.MsgBox(this, tr("No cube face was found in %1.").arg(name), kExclamation);
      continue;
    }
    if (!Takes(grid->colours)) {
      services_.MsgBox(this, tr("Six faces have been read already: start again to read others."), kExclamation);
      break;
    }
    const QImage shown = WithGrid(rgb, *grid, true);
    auto* item = new QListWidgetItem(
        QIcon(QPixmap::fromImage(shown.scaled(kThumbnail, kThumbnail, Qt::KeepAspectRatio, Qt::SmoothTransformation))),
        name, PhotoList);
    item->setToolTip(file);
    AddFace(grid->colours, shown);
  }
}

std::vector<ScanWindow::Face>::iterator ScanWindow::SameFace(const scan::FaceReadings& readings) {
  return std::find_if(faces_.begin(), faces_.end(), [&](const Face& f) { return SameCentre(f.readings, readings); });
}

bool ScanWindow::Takes(const scan::FaceReadings& readings) {
  return static_cast<int>(faces_.size()) < kFaces || SameFace(readings) != faces_.end();
}

void ScanWindow::AddFace(const scan::FaceReadings& readings, const QImage& picture) {
  // The same face again replaces the one read before.
  const auto same = SameFace(readings);
  if (same != faces_.end()) {
    *same = {readings, picture};
  } else {
    faces_.push_back({readings, picture});
  }
  Reassemble();
}

void ScanWindow::Reassemble() {
  if (faces_.empty()) {
    reading_ = {};
  } else {
    std::vector<scan::FaceReadings> readings;
    readings.reserve(faces_.size());
    for (const Face& face : faces_) {
      readings.push_back(face.readings);
    }
    reading_ = scan::ReadCube(readings, chosen_);
  }
  UseButton->setEnabled(!faces_.empty());
  ClearButton->setEnabled(!faces_.empty());
  ResultLabel->setText(Advice());
  ShowCameraFaces();
}

QString ScanWindow::Advice() const {
  const int read = FacesRead();
  if (read == 0) {
    return tr("Read the six faces of your cube, from the camera or from photos, in any order and any way up.");
  }
  if (read < kFaces) {
    return tr("%n of 6 faces read.", nullptr, read);
  }
  QString advice = reading_.uncertain.empty()
                       ? tr("All 54 stickers read.")
                       : tr("%n stickers could not be read for sure: they are left for you to paint.", nullptr,
                            static_cast<int>(reading_.uncertain.size()));
  if (!reading_.alternatives.empty()) {
    advice += QLatin1Char(' ') +
              tr("The faces fit more than one cube: the stickers where they differ are left for you to paint.");
  }
  return advice;
}

void ScanWindow::ShowCameraFaces() {
  for (std::size_t k = 0; k < cameraFaces_.size(); ++k) {
    // Only the faces taken show, so that a screen reader meets no empty ones.
    if (k < faces_.size()) {
      cameraFaces_[k]->setPixmap(QPixmap::fromImage(FaceSwatch(faces_[k].readings)));
      cameraFaces_[k]->setAccessibleName(tr("Face %1 read").arg(k + 1));
    }
    cameraFaces_[k]->setVisible(k < faces_.size());
  }
  const int read = FacesRead();
  if (noCamera_) {
    CameraHint->setText(tr("No camera was found. You can read the cube from photos instead."));
  } else if (read == 0) {
    CameraHint->setText(tr("Hold a face of your cube in front of the camera and keep it still until it is taken."));
  } else if (read < kFaces) {
    CameraHint->setText(tr("%n of 6 faces taken. Now show the next face, any way up.", nullptr, read));
  } else {
    CameraHint->setText(tr("All six faces are taken."));
  }
}

QImage ScanWindow::WithGrid(const QImage& picture, const scan::FaceGrid& grid, bool taken) const {
  QImage shown = picture.convertToFormat(QImage::Format_RGB32);
  QPainter painter(&shown);
  painter.setRenderHint(QPainter::Antialiasing);
  // Lines that still show when the picture is made small in the list.
  const qreal width = std::max<qreal>(2, picture.width() / 100.0);
  QPolygonF outline;
  for (const scan::Point& p : grid.outline) {
    outline << QPointF(p.x, p.y);
  }
  painter.setPen(QPen(taken ? QColor(0, 200, 0) : QColor(255, 200, 0), width * 1.5));
  painter.drawPolygon(outline);
  const qreal dot = std::max<qreal>(4, grid.spacing / 5);
  for (std::size_t k = 0; k < grid.centres.size(); ++k) {
    painter.setPen(QPen(Qt::black, width));
    painter.setBrush(ToQColor(grid.colours[k]));
    painter.drawEllipse(QPointF(grid.centres[k].x, grid.centres[k].y), dot, dot);
  }
  return shown;
}

QImage ScanWindow::FaceSwatch(const scan::FaceReadings& readings) const {
  QImage swatch(48, 48, QImage::Format_RGB32);
  swatch.fill(Qt::black);
  QPainter painter(&swatch);
  for (int k = 0; k < 9; ++k) {
    painter.fillRect(1 + (k % 3) * 16, 1 + (k / 3) * 16, 14, 14, ToQColor(readings[static_cast<std::size_t>(k)]));
  }
  return swatch;
}

}  // namespace rotalo::ui
