// The windows in German, French and Spanish: every text the program can show
// has a translation in each language, keeping its placeholders, and the
// program takes the desktop's language.
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "form_fixture.h"
#include "ui/languages.h"

namespace rotalo::ui::testing {

namespace {

// The placeholders of a text, sorted: "%1", "%2", "%n"...
QStringList Placeholders(const QString& text) {
  QStringList found;
  static const QRegularExpression placeholder(QStringLiteral("%(\\d+|n)"));
  for (auto it = placeholder.globalMatch(text); it.hasNext();) {
    found << it.next().captured();
  }
  found.sort();
  return found;
}

// What is wrong with the translations in `ts`, one line each.
QStringList Faults(const QString& ts) {
  QFile file(ts);
  if (!file.open(QIODevice::ReadOnly)) return {ts + ": cannot be read"};
  QStringList faults;
  QXmlStreamReader xml(&file);
  QString source;
  QStringList forms;
  bool unfinished = false;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == QLatin1String("message")) {
      source.clear();
      forms.clear();
      unfinished = false;
    } else if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
      source = xml.readElementText();
    } else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
      unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
      if (xml.readNext() == QXmlStreamReader::Characters && !xml.isWhitespace()) forms << xml.text().toString();
    } else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
      forms << xml.readElementText();
    } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
      if (unfinished || forms.isEmpty() || forms.contains(QString())) {
        faults << "not translated: " + source;
      }
      for (const QString& form : forms) {
        if (Placeholders(form) != Placeholders(source)) faults << "placeholders differ: " + source + " -> " + form;
      }
    }
  }
  if (xml.hasError()) faults << ts + ": " + xml.errorString();
  return faults;
}

}  // namespace

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  // The translation files, brought up to date with the sources as the build's
  // update target does, leave no text untranslated and no placeholder out.
  void EveryShownTextIsTranslatedWithItsPlaceholders_data() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "fr", "es"}) QTest::newRow(language) << language;
  }
  void EveryShownTextIsTranslatedWithItsPlaceholders() {
    QFETCH(QString, language);
    QTemporaryDir dir;
    const QString ts = dir.filePath("rotalo_" + language + ".ts");
    QVERIFY(QFile::copy(QStringLiteral(ROTALO_TRANSLATIONS_DIR "/rotalo_") + language + ".ts", ts));
    QProcess lupdate;
    lupdate.start(QStringLiteral(ROTALO_LUPDATE),
                  {"-no-obsolete", "-locations", "none", "-I", ROTALO_SOURCE_DIR, ROTALO_SOURCE_DIR "/ui", "-ts", ts});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    const QStringList faults = Faults(ts);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
  }

  void TheFirstLanguageRotaloSpeaksIsTaken() {
    QCOMPARE(InstallTranslations({"it-IT", "fr-FR", "de"}), QString("fr"));
    QCOMPARE(InstallTranslations({"de_AT"}), QString("de"));
    // English is the source: a preferred English wins over a later language.
    QCOMPARE(InstallTranslations({"en-GB", "de"}), QString());
    QCOMPARE(InstallTranslations({"ja"}), QString());
    QCOMPARE(QCoreApplication::translate("rotalo::ui::Colours", "Orange"), QString("Orange"));
  }

  // In German and French the menus, the handbook's entry and a message box
  // with its colour name are in that language; back in English they are as
  // written.
  void TheWindowSpeaksTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("de") << "de";
    QTest::newRow("fr") << "fr";
    QTest::newRow("en") << "en";
  }
  void TheWindowSpeaksTheLanguage() {
    QFETCH(QString, language);
    const bool english = InstallTranslations({language}).isEmpty();
    FormFixture f;
    QStringList titles;
    for (QAction* menu : f.w.menuBar()->actions()) titles << menu->text();
    QCOMPARE(titles.size(), 5);
    const QStringList englishTitles{"&Animation", "&Options", "&Patterns", "&Cube", "&Help"};
    // Some titles are the same word in a language ("Options"), not Help.
    QCOMPARE(titles == englishTitles, english);
    QCOMPARE(titles.back() == englishTitles.back(), english);
    for (const QString& title : titles) QCOMPARE(title.count('&'), 1);  // an access key in every language
    // Ten stickers of one colour: the message names it in the language.
    f.Paint();
    f.Cube()[1] = 2;
    f.w.SubmitButton->click();
    QCOMPARE(f.messages.size(), 1);
    const QString yellow = QCoreApplication::translate("rotalo::ui::Colours", "Yellow");
    QCOMPARE(yellow == "Yellow", english);
    QVERIFY2(f.messages.front().contains(yellow), qPrintable(f.messages.front()));
    QCOMPARE(f.messages.front() == "There must be nine Yellow pieces", english);
    QCOMPARE(f.w.MenuHandbook->text() == "Rotalo &Handbook", english);
  }

  void cleanupTestCase() { InstallTranslations({}); }
};

}  // namespace rotalo::ui::testing

QTEST_MAIN(rotalo::ui::testing::TranslationsTest)
#include "translations_test.moc"
