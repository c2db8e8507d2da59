#include "ui/help.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/art/artwork.h"
#include "ui/services.h"

namespace rotalo::ui {

namespace {

QString Section(const QString& title, const QStringList& paragraphs) {
  QString html = QStringLiteral("<h2>%1</h2>").arg(title.toHtmlEscaped());
  for (const QString& paragraph : paragraphs) {
    html += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
  }
  return html;
}

QString KeyRow(const QString& keys, const QString& what) {
  return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(keys.toHtmlEscaped(), what.toHtmlEscaped());
}

}  // namespace

QString HandbookWindow::Html() {
  QString html = QStringLiteral("<h1>%1</h1>").arg(tr("Rotalo Handbook").toHtmlEscaped());
  html += QStringLiteral("<p><img src=\"cube:solved\" alt=\"%1\"></p>").arg(tr("A solved cube").toHtmlEscaped());
  html += QStringLiteral("<p>%1</p>")
              .arg(tr("Rotalo solves your own scrambled cube. You paint its stickers onto a drawing, Rotalo checks "
                      "the painting, works out a solution layer by layer and shows it to you move by move, so "
                      "that you can follow along on your real cube.")
                       .toHtmlEscaped());
  html += Section(tr("Choosing the colours"),
                  {tr("Tick the six colours your cube has, then press \"Next -->\". Rotalo remembers them for the "
                      "next time.")});
  html += Section(
      tr("Painting your cube"),
      {tr("Hold your cube so that the face you see on top of the drawing is on top, and the two faces in front "
          "of you are the two front faces of the drawing."),
       tr("Choose a colour in the Paint Box and click on a sticker to paint it; right-click clears it. Click on an "
          "arrow head around the cube to turn the whole drawing, and your cube with it, to reach the hidden faces."),
       tr("Without a mouse: Tab takes you to the drawing, the arrow keys move the cursor from sticker to sticker, "
          "keys 1 to 6 paint with the colours of the Paint Box, Space paints with the chosen colour, Delete clears, "
          "and X, Y and Z (with Shift the other way) turn the whole cube."),
       tr("Options > Quick Fill paints a solved cube and Options > Jumble scrambles it. Cube > Undo and Redo take "
          "back and repeat every step of painting; Cube > New Cube starts again.")});
  html += QStringLiteral("<p><img src=\"cube:jumbled\" alt=\"%1\"></p>").arg(tr("A scrambled cube").toHtmlEscaped());
  html += Section(tr("Solving"),
                  {tr("Press \"Solve\" when all six faces are painted. If the painting cannot be a real cube, "
                      "Rotalo says what is wrong: a colour that does not appear nine times, or a piece that "
                      "no cube has.")});
  html += Section(tr("Repairing a cube that was put back wrongly"),
                  {tr("A cube that was once taken apart and put back together wrongly cannot be solved by turning "
                      "its sides. Rotalo then shows you, picture by picture, which piece to take out and how to put "
                      "it back. Press \"Next -->\" after each step.")});
  html += Section(tr("Following the solution"),
                  {tr("Press \"Go !\" and turn your cube as the drawing turns. \"Pause\" stops the playback and "
                      "\"Back\" takes a move back while it is paused. The Animation menu sets how smoothly the sides "
                      "turn and how long Rotalo waits between moves; with Step by Step it waits for you to press "
                      "\"Next Move\" or Space after every move."),
                   tr("Options > Fewest Moves looks for a much shorter solution, which is harder to follow.")});
  html += Section(tr("Patterns"),
                  {tr("When your cube is solved, the Patterns menu puts a pattern on it; choose the same entry again "
                      "to take it off.")});
  html += QStringLiteral("<h2>%1</h2><table cellspacing=\"4\">").arg(tr("Keys").toHtmlEscaped());
  html += KeyRow(tr("Ctrl+N"), tr("New cube"));
  html += KeyRow(tr("Ctrl+Z; Ctrl+Shift+Z or Ctrl+Y"), tr("Undo and redo a step of painting"));
  html += KeyRow(tr("Arrow keys; 1 to 6, Space; Delete, Backspace or 0"), tr("Move the cursor; paint; clear"));
  html += KeyRow(tr("X, Y, Z"), tr("Turn the whole cube"));
  html += KeyRow(tr("Alt+G, Alt+U, Alt+B"), tr("Go, Pause or Resume, Back"));
  html += KeyRow(tr("F1"), tr("This handbook"));
  html += QStringLiteral("</table>");
  return html;
}

HandbookWindow::HandbookWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
  setWindowTitle(tr("Rotalo Handbook"));
  const qreal ratio = devicePixelRatioF();
  browser_->document()->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("cube:solved")),
                                    SolvedCubePicture(ratio));
  browser_->document()->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("cube:jumbled")),
                                    JumbledCubePicture(ratio));
  browser_->setHtml(Html());
  browser_->setAccessibleName(tr("Rotalo Handbook"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_);
  layout->addWidget(buttons);
  resize(560, 600);
}

QString AboutText() {
  return QCoreApplication::translate("rotalo::ui::HandbookWindow",
                                     "<h3>Rotalo %1</h3>"
                                     "<p>Paint your own scrambled cube, and watch it solved move by move.</p>"
                                     "<p>Rotalo is free software under the GNU General Public License, version 3 "
                                     "or any later version.</p>"
                                     "<p>Built with Qt %2.</p>")
      .arg(QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision),
           QString::fromLatin1(qVersion()));
}

}  // namespace rotalo::ui
