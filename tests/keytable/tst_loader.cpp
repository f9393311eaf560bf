// Loading key tables into the main window: counts, rows, messages and bad input.
#include "core/regularfile.h"
#include "core/textfile.h"
#include "engine/formtblfixture.h"
#include "engine/userinput.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

struct Loaded : testing::FormTblFixture {
    explicit Loaded(const QString& path) { load(path); }
    QStringList messages() const { return logged(u"[msgbox"_s); }
};

QString writeBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QString writeLines(const QTemporaryDir& dir, const QString& name, const QStringList& lines) {
    const QString path = dir.filePath(name);
    core::writeTextFile(path, lines);
    return path;
}

const QStringList header{u"TITRE=t"_s, u"CHAMP=Espece;Chapeau;Anneau;Volve"_s};

} // namespace

class TestLoader : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void headerRulesAndRowNumbers() {
        QTemporaryDir dir;
        Loaded t(writeLines(dir, u"a.txt"_s,
                            {u"TITRE=a=b"_s, QString(), u"COMMENTAIRE=x"_s, u"suite"_s,
                             u"FORMAT=ignoré"_s, u" champ = a ; b;"_s, u" a ;b"_s, u"   "_s,
                             u"c;d;e;f"_s}));
        QCOMPARE(t.form.caption(), u"Sylvane : a=b"_s);
        QCOMPARE(t.form.results.commentList.texts(), (QStringList{u"x"_s, u"suite"_s}));
        QCOMPARE(t.state.KeyTable.fieldCount(), 3);
        QCOMPARE(t.state.KeyTable.fieldName(1), u"a"_s);
        QCOMPARE(t.state.KeyTable.fieldName(2), u"b"_s);
        QCOMPARE(t.state.KeyTable.fieldName(3), QString());
        // Six header lines (the blank one counts); the blank data line takes no row.
        QCOMPARE(t.state.KeyTable(7, 1), u" a "_s);
        QCOMPARE(t.state.KeyTable(8, 4), u"f"_s); // the declared count + 1 values accepted
        QCOMPARE(t.state.KeyTable.rowCount(), 8);
        // The typed table keeps the header and where each row was read.
        const auto& table = t.state.KeyTable;
        QCOMPARE(table.title(), u"a=b"_s);
        QCOMPARE(table.comments(), (QStringList{u"x"_s, u"suite"_s}));
        QCOMPARE(table.fileLine(6), 6);
        QCOMPARE(table.fileLine(8), 9);
        QCOMPARE(t.form.identification.valueCount.caption(), u"3 champs ; 8 lignes"_s);
        QCOMPARE(t.form.identification.fieldsTitle.caption(), u"3 champs"_s);
        QCOMPARE(t.form.identification.fieldList.count(), 2);
        QCOMPARE(t.form.identification.fieldList.itemData(1), 3);
        QVERIFY(t.messages().isEmpty());
    }

    // A file that cannot be a key table is refused before anything is loaded from it, with
    // its name and reason: the table loaded before keeps its title, lists, counts and
    // choices.
    void filesThatAreNoTablesLeaveTheTableLoaded_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QStringList names;
        for (int i = 1; i <= 51; ++i)
            names << u"c%1"_s.arg(i);
        QTest::newRow("empty") << QByteArray() << u"ce fichier est vide"_s;
        QTest::newRow("byte-order mark alone")
            << QByteArray("\xef\xbb\xbf") << u"ce fichier est vide"_s;
        QTest::newRow("image") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 17)
                               << u"ce n'est pas un fichier texte (caractère de contrôle 26 à "
                                  u"la ligne 2)"_s;
        QTest::newRow("form feed in a value")
            << QByteArray("CHAMP=a;b\nx;1\r\ny;\f2\n")
            << u"ce n'est pas un fichier texte (caractère de contrôle 12 à la ligne 3)"_s;
        QTest::newRow("control after LF CR, one line end")
            << QByteArray("CHAMP=a;b\n\rx;\x01\n")
            << u"ce n'est pas un fichier texte (caractère de contrôle 1 à la ligne 2)"_s;
        QTest::newRow("utf-16 with a control")
            << "\xff\xfe" + QStringEncoder(QStringEncoder::Utf16LE)(u"CHAMP=a;b\r\nx\x01;1"_s)
            << u"ce n'est pas un fichier texte (caractère de contrôle 1 à la ligne 2)"_s;
        QTest::newRow("no field line") << QByteArray("TITRE=x\r\na;b\r\nc;d\r\n")
                                       << u"aucune ligne CHAMP= n'y déclare les champs"_s;
        QTest::newRow("51 fields")
            << "COM=x\r\n\r\nCHAMP=" + names.join(u';').toLatin1() + "\r\na;b\r\n"
            << u"sa ligne CHAMP (ligne 3) déclare 51 champs, 50 au plus"_s;
    }
    void filesThatAreNoTablesLeaveTheTableLoaded() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        Loaded t(writeLines(dir, u"bon.txt"_s,
                            header + QStringList{u"A;1;2;3"_s, u"B;4;2;3"_s, u"C;1;5;6"_s}));
        engine::userClick(t.form, t.form.identification.fieldList, 0);
        engine::userClick(t.form, t.form.identification.valueList, 0);
        const auto snapshot = [&t] {
            return QStringList{t.form.caption(),
                               t.form.currentFile.caption(),
                               t.form.identification.valueCount.caption(),
                               t.form.identification.fieldsTitle.caption(),
                               t.form.identification.foundCount.caption(),
                               QString::number(t.state.KeyTable.rowCount()),
                               QString::number(t.state.KeyTable.fieldCount()),
                               t.state.KeyTable.fieldName(2),
                               t.state.KeyTable(4, 2)} +
                   t.form.identification.fieldList.texts() +
                   t.form.identification.valueList.texts() +
                   t.form.identification.taxonList.texts();
        };
        const QStringList before = snapshot();
        const QString bad = writeBytes(dir, u"mauvais.txt"_s, bytes);
        t.platform.queueDialogResult(bad);
        t.form.menus.open.onClick();
        QCOMPARE(t.messages(), QStringList{u"[msgbox Sylvane] Impossible de charger "_s + bad +
                                           u" : "_s + reason + u". -> ok"_s});
        QCOMPARE(snapshot(), before);
        QCOMPARE(t.state.CurrentFile, dir.filePath(u"bon.txt"_s));
        QCOMPARE(t.form.identification.session().foundRows().size(), 2u);
        // The same file as the settings' default is refused as well.
        t.state.CurrentFile = bad;
        QVERIFY(!t.form.execute());
        QCOMPARE(t.messages().size(), 2);
        QCOMPARE(snapshot(), before);
    }

    // A file that cannot be opened: refused with its reason when the user names it, passed
    // over without a word as the settings' default.
    void filesThatCannotBeOpened() {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(u"fifo.txt"_s);
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QString locked = writeLines(dir, u"ferme.txt"_s, header + QStringList{u"A;1;2;3"_s});
        QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
        const bool readable = QFile(locked).open(QIODevice::ReadOnly); // root reads it all
        const QList<std::pair<QString, QString>> cases = {
            {dir.filePath(u"absent.txt"_s), u"ce fichier n'existe pas"_s},
            {fifo, u"ce n'est pas un fichier ordinaire"_s},
            {u"/dev/zero"_s, u"ce n'est pas un fichier ordinaire"_s},
            {dir.path(), u"ce n'est pas un fichier ordinaire"_s},
            {locked, u"ce fichier ne peut pas être lu"_s}};
        for (const auto& [path, reason] : cases) {
            if (path == locked && readable)
                continue;
            Loaded t(path);
            QVERIFY(t.platform.log().isEmpty());
            QCOMPARE(t.state.KeyTable.rowCount(), 0);
            t.platform.queueDialogResult(path);
            t.form.menus.open.onClick();
            QCOMPARE(t.messages(), QStringList{u"[msgbox Sylvane] Impossible de charger "_s + path +
                                               u" : "_s + reason + u". -> ok"_s});
            QCOMPARE(t.state.CurrentFile, path); // as the test named it, never changed
        }
    }

    void refusedDataLineKeepsTheRowsBeforeIt() {
        QTemporaryDir dir;
        Loaded t(writeLines(
            dir, u"r.txt"_s,
            header + QStringList{u"A;1;2;3"_s, u"Amanita sp;a;b;c;d;e"_s, u"B;1;2;3"_s}));
        QCOMPARE(t.messages(),
                 QStringList{u"[msgbox Sylvane]  erreur ligne 4 : nb de choix :6 > Nb champs : "
                             u"4 / cf : Amanita sp;a;b;c;d;e -> ok"_s});
        QCOMPARE(t.state.KeyTable(3, 1), u"A"_s);
        QCOMPARE(t.state.KeyTable(4, 1), QString());
        QCOMPARE(t.state.KeyTable.rowCount(), 3); // the rows actually stored, header included
        QCOMPARE(t.form.identification.session().foundRows().size(), 3u);
        QCOMPARE(t.form.identification.valueCount.caption(), u"4 champs ; 3 lignes"_s);
    }

    void dataLineOfMoreThanFiftyValuesIsRefused() {
        QTemporaryDir dir;
        QStringList names, values;
        for (int i = 1; i <= 50; ++i)
            names << u"c%1"_s.arg(i);
        for (int i = 1; i <= 51; ++i)
            values << u"v%1"_s.arg(i);
        Loaded t(writeLines(
            dir, u"v.txt"_s,
            {u"CHAMP="_s + names.join(u';'), values.mid(0, 50).join(u';'), values.join(u';')}));
        QCOMPARE(t.messages().size(), 1);
        QVERIFY(t.messages().front().contains(u"nb de choix :51"_s));
        QCOMPARE(t.state.KeyTable(2, 50), u"v50"_s);
        QCOMPARE(t.state.KeyTable.rowCount(), 2);
    }

    void lineEndsOfEveryKind() {
        QTemporaryDir dir;
        Loaded t(writeBytes(dir, u"e.txt"_s, "CHAMP=a;b\nx;1\ry;2\r\nz;3\n\n\xe9t\xe9;4"));
        QCOMPARE(t.state.KeyTable.rowCount(), 5);
        QCOMPARE(t.state.KeyTable(2, 1), u"x"_s);
        QCOMPARE(t.state.KeyTable(3, 1), u"y"_s);
        QCOMPARE(t.state.KeyTable(4, 2), u"3"_s);
        QCOMPARE(t.state.KeyTable(5, 1), u"été"_s);
    }

    void aHugeLineDoesNotHurt() {
        QTemporaryDir dir;
        const QByteArray huge = "CHAMP=a;b\r\nx;" + QByteArray(1 << 20, 'y') + "\r\n";
        Loaded big(writeBytes(dir, u"h.txt"_s, huge));
        QCOMPARE(big.state.KeyTable.rowCount(), 2);
        QCOMPARE(big.state.KeyTable(2, 2).size(), 1 << 20);
    }

    // A refused line of megabytes is quoted by its first 200 characters.
    void aRefusedLineIsQuotedShort() {
        QTemporaryDir dir;
        const QString longLine = u"a;b;c;d;e;"_s + QString(5'000'000, u'x');
        Loaded t(writeLines(dir, u"l.txt"_s, header + QStringList{longLine}));
        QCOMPARE(t.messages(),
                 QStringList{u"[msgbox Sylvane]  erreur ligne 3 : nb de choix :6 > Nb champs : "
                             u"4 / cf : "_s +
                             longLine.first(200) + u"... -> ok"_s});
    }

    // Files from today's editors and spreadsheets: UTF-8 with or without a mark, UTF-16.
    void tablesInOtherEncodingsReadAsWritten_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray utf8 = "TITRE=C\xc3\xa8pes\r\nCHAMP=Esp\xc3\xa8"
                                "ce;Chapeau\r\n"
                                "Bolet \xc3\xa0 pied rouge;brun \xe2\x80\x93 ros\xc3\xa9\r\n";
        QTest::newRow("utf-8") << utf8;
        QTest::newRow("utf-8 with mark") << "\xef\xbb\xbf" + utf8;
        const QString text = QString::fromUtf8(utf8);
        QTest::newRow("utf-16 le") << "\xff\xfe" + QStringEncoder(QStringEncoder::Utf16LE)(text);
        QTest::newRow("utf-16 be") << "\xfe\xff" + QStringEncoder(QStringEncoder::Utf16BE)(text);
    }
    void tablesInOtherEncodingsReadAsWritten() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        Loaded t(writeBytes(dir, u"u.txt"_s, bytes));
        QCOMPARE(t.form.caption(), u"Sylvane : Cèpes"_s);
        QCOMPARE(t.state.KeyTable.fieldCount(), 2);
        QCOMPARE(t.state.KeyTable.fieldName(1), u"Espèce"_s);
        QCOMPARE(t.state.KeyTable(3, 1), u"Bolet à pied rouge"_s);
        QCOMPARE(t.state.KeyTable(3, 2), u"brun – rosé"_s);
        QCOMPARE(t.state.KeyTable.rowCount(), 3);
    }

    // A file above the size limit is refused unread.
    void aHugeFileIsNotRead() {
        QTemporaryDir dir;
        const QString big = dir.filePath(u"big.txt"_s);
        QFile f(big);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("CHAMP=a;b\r\nx;y\r\n") > 0);
        QVERIFY(f.resize(core::MaxTextFileBytes + 1)); // sparse: costs no disk
        Loaded t(big);
        QCOMPARE(
            t.messages(),
            QStringList{u"[msgbox Sylvane] Impossible de charger "_s + big +
                        u" : ce fichier dépasse 64 Mo, ce n'est pas une table de clé. -> ok"_s});
        QCOMPARE(t.state.KeyTable.rowCount(), 0);
        QCOMPARE(t.state.KeyTable.fieldCount(), 0);
    }

    void realTablesLoadWithTheirCounts() {
        const QString folder = QStringLiteral(SYLVANE_TEST_DATA);
        Loaded uci(folder + u"/uci_mushroom_fr.txt"_s);
        QVERIFY2(uci.messages().isEmpty(), qPrintable(uci.messages().join(u'\n')));
        QCOMPARE(uci.state.KeyTable.fieldCount(), 24);
        QCOMPARE(uci.state.KeyTable.rowCount(), 7 + 8124); // seven header lines, then the data
        QVERIFY(uci.state.KeyTable(8, 1).startsWith(u"Agaricus-Lepiota"_s));
        Loaded species(folder + u"/especes_173_fr.txt"_s);
        QCOMPARE(species.state.KeyTable.fieldCount(), 23);
        QCOMPARE(species.form.results.commentList.count(), 5);
        QVERIFY(species.messages().isEmpty());
        QCOMPARE(species.state.KeyTable(species.state.KeyTable.rowCount() - 172, 1),
                 u"Fly Agaric"_s);
    }

    void moreLinesThanATableHoldsStopAtTheLimit() {
        QTemporaryDir dir;
        QByteArray bytes = "TITRE=t\r\nCHAMP=Espece;Chapeau\r\n";
        for (int i = 0; i < 30100; ++i)
            bytes += "T" + QByteArray::number(i) + ";c" + QByteArray::number(i % 7) + "\r\n";
        Loaded big(writeBytes(dir, u"big.txt"_s, bytes));
        QCOMPARE(big.messages(),
                 QStringList{u"[msgbox Sylvane]  nb maxi de lignes = 30000 -> ok"_s});
        QCOMPARE(big.state.KeyTable.rowCount(), 30000);
        QCOMPARE(big.state.KeyTable(30000, 1), u"T29997"_s);
    }

    // Exactly as many rows as a table holds load whole, in one file ended by a line end and
    // another not, with a blank line (not a row) before the last; header lines take rows
    // too, and one header line more than the limit is refused whole.
    void aTableOfExactlyTheLimitLoadsWhole() {
        QTemporaryDir dir;
        QByteArray bytes = "TITRE=t\nCHAMP=Espece;Chapeau\n";
        for (int i = 1; i < 29998; ++i)
            bytes += "T" + QByteArray::number(i) + ";c" + QByteArray::number(i % 7) + "\n";
        bytes += "\nT29998;c";
        for (const QByteArray& ending : {QByteArray(), QByteArray("\r\n")}) {
            Loaded full(writeBytes(dir, u"full.txt"_s, bytes + ending));
            QVERIFY(full.messages().isEmpty());
            QCOMPARE(full.state.KeyTable.rowCount(), 30000);
            QCOMPARE(full.state.KeyTable(30000, 1), u"T29998"_s);
            QCOMPARE(full.state.KeyTable.fileLine(30000), 30001);
            QCOMPARE(full.state.KeyTable(29999, 2), u"c2"_s);
        }

        const QByteArray blank = "\r\n";
        Loaded header(
            writeBytes(dir, u"header.txt"_s, "TITRE=t\r\n" + blank.repeated(29998) + "CHAMP=a;b"));
        QVERIFY(header.messages().isEmpty());
        QCOMPARE(header.state.KeyTable.rowCount(), 30000);
        QCOMPARE(header.state.KeyTable.title(), u"t"_s);
        Loaded over(
            writeBytes(dir, u"over.txt"_s, "TITRE=t\r\n" + blank.repeated(29999) + "CHAMP=a;b"));
        QCOMPARE(over.messages(),
                 QStringList{u"[msgbox Sylvane]  nb maxi de lignes = 30000 -> ok"_s});
        QCOMPARE(over.state.KeyTable.rowCount(), 0);
    }

    void aNewLoadLeavesNothingOfTheLastOne() {
        QTemporaryDir dir;
        Loaded t(writeLines(dir, u"long.txt"_s,
                            header + QStringList{u"A;1;2;3"_s, u"B;1;2;3"_s, u"C;1;2;3"_s}));
        t.state.CurrentFile =
            writeLines(dir, u"court.txt"_s, {u"COM=x"_s, u"CHAMP=a;b"_s, u"Z"_s, u"Y;2;3;4"_s});
        t.form.execute(); // the second line is refused: one value too many
        QCOMPARE(t.state.KeyTable.rowCount(), 3);
        QCOMPARE(t.state.KeyTable(3, 1), u"Z"_s);
        QCOMPARE(t.state.KeyTable(3, 2), QString());
        QCOMPARE(t.state.KeyTable(4, 1), QString());
        QCOMPARE(t.state.KeyTable(5, 1), QString());
        QCOMPARE(t.state.KeyTable(1, 1), QString());
        QCOMPARE(t.state.KeyTable.fieldName(3), QString());
        t.state.CurrentFile = dir.filePath(u"absent.txt"_s);
        t.form.execute(); // nothing to load: the table stays
        QCOMPARE(t.state.KeyTable(3, 1), u"Z"_s);
    }

    void eventsDuringTheLoadAreRefused() {
        QTemporaryDir dir;
        QStringList lines = header;
        for (int i = 0; i < 2000; ++i)
            lines << u"T%1;a;b;c"_s.arg(i);
        testing::FormTblFixture w;
        int refused = 0;
        w.platform.onProcessEvents = [&] {
            if (w.form.busy())
                ++refused;
        };
        w.load(writeLines(dir, u"l.txt"_s, lines));
        QVERIFY(refused > 0);
        QVERIFY(!w.form.busy());
    }
};

QTEST_GUILESS_MAIN(TestLoader)
#include "tst_loader.moc"
