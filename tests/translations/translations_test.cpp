// The English catalogue: every text of the interface translated, with the same placeholders, and
// no text of today's sources missing from it (nor one kept that the sources no longer have). The
// sources are read by the same lupdate run that scripts/update-translations.sh makes, over a copy.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Entry {
  QString context;
  QString source;
  QString translation;
  QString type;  // "unfinished", "vanished", "obsolete" or empty
};

// A .ts file's messages; lupdate writes a carriage return as <byte value="xd"/>.
QList<Entry> ReadCatalogue(const QString& path, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("cannot read ") + path;
    return {};
  }
  QList<Entry> entries;
  QXmlStreamReader xml(&file);
  QString context;
  Entry entry;
  QString* text = nullptr;
  while (!xml.atEnd()) {
    switch (xml.readNext()) {
      case QXmlStreamReader::StartElement:
        if (xml.name() == QLatin1String("name")) {
          context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
          entry = Entry{context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
          text = &entry.source;
        } else if (xml.name() == QLatin1String("translation")) {
          text = &entry.translation;
          entry.type = xml.attributes().value(QLatin1String("type")).toString();
        } else if (xml.name() == QLatin1String("byte") && text) {
          *text += QChar(xml.attributes().value(QLatin1String("value")).toString().mid(1).toInt(nullptr, 16));
        }
        break;
      case QXmlStreamReader::Characters:
        if (text) *text += xml.text();
        break;
      case QXmlStreamReader::EndElement:
        if (xml.name() == QLatin1String("source") || xml.name() == QLatin1String("translation")) text = nullptr;
        if (xml.name() == QLatin1String("message")) entries.append(entry);
        break;
      default:
        break;
    }
  }
  if (xml.hasError()) error = path + QStringLiteral(": ") + xml.errorString();
  return entries;
}

QSet<QString> Placeholders(const QString& text) {
  QSet<QString> found;
  static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
  for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) found.insert(m.captured());
  return found;
}

QSet<QString> Keys(const QList<Entry>& entries) {
  QSet<QString> keys;
  for (const Entry& e : entries) keys.insert(e.context + QStringLiteral(" | ") + e.source);
  return keys;
}

QString Listed(QStringList items) {
  items.sort();
  return items.join(QStringLiteral("\n  "));
}

}  // namespace

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyTextHasAnEnglishTranslationWithItsPlaceholders() {
    QString error;
    const QList<Entry> entries = ReadCatalogue(QStringLiteral(ORVELIS_TS_FILE), error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(entries.size() > 100);
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    QStringList faults;
    for (const Entry& e : entries) {
      const QString where = e.context + QStringLiteral(" | ") + e.source;
      if (!e.type.isEmpty())
        faults << where + QStringLiteral(" (") + e.type + QStringLiteral(")");
      else if (e.translation.trimmed().isEmpty())
        faults << where + QStringLiteral(" (empty)");
      else if (e.translation.contains(cyrillic))
        faults << where + QStringLiteral(" (left in Russian)");
      else if (Placeholders(e.source) != Placeholders(e.translation))
        faults << where + QStringLiteral(" (placeholders)");
    }
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("untranslated texts:\n  ") + Listed(faults)));
  }

  void theCatalogueHoldsExactlyTheTextsOfTheSources() {
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("current.ts"));
    QVERIFY(QFile::copy(QStringLiteral(ORVELIS_TS_FILE), copy));
    QProcess lupdate;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LUPDATE"), QStringLiteral(ORVELIS_LUPDATE));
    lupdate.setProcessEnvironment(env);
    lupdate.start(QStringLiteral("bash"), {QStringLiteral(ORVELIS_UPDATE_SCRIPT), copy});
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAllStandardError().constData());

    QString error;
    const QSet<QString> committed = Keys(ReadCatalogue(QStringLiteral(ORVELIS_TS_FILE), error));
    const QSet<QString> current = Keys(ReadCatalogue(copy, error));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QStringList missing = (current - committed).values();
    const QStringList stale = (committed - current).values();
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("texts of the sources missing from the catalogue "
                                                          "(run scripts/update-translations.sh):\n  ") +
                                           Listed(missing)));
    QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("texts no source has any more:\n  ") + Listed(stale)));
  }
};

QTEST_GUILESS_MAIN(TranslationsTest)

#include "translations_test.moc"
