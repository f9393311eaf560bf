// The report menu of the main window: only in the current build, the save dialog's answer
// decides file and format, and a failed write says what failed and leaves the old file as
// it was (the cancelled dialog and the missing folder are in the transcripts).
#include "bytefiles.h"
#include "core/writefault.h"
#include "engine/formtblfixture.h"
#include "engine/userinput.h"
#include "keytable/currentfolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace sylvane;

using sylvane::testing::readBytes;
using sylvane::testing::writeBytes;

namespace {

// The main window on a small table of a temporary folder, where the reports go too.
struct Window : testing::FormTblFixture {
    QTemporaryDir folder;

    explicit Window(core::Edition edition = core::Edition::Current) : FormTblFixture(edition) {
        writeBytes(path(u"cepes.txt"_s), "TITRE=Cèpes\r\nCHAMP=Espece;Chapeau\r\nBoletus;brun\r\n");
        start(folder.path(), path(u"cepes.txt"_s));
        platform.clearLog();
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    // Answers the save dialog with answer, then chooses the menu item.
    void report(const QString& answer) {
        platform.queueDialogResult(answer);
        QVERIFY(engine::userClick(form, form.menus.report));
    }
    QStringList files() const {
        return QDir(folder.path())
            .entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot);
    }
};

} // namespace

class TestReportMenu : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void inTheFileMenuOfTheCurrentBuildOnly() {
        Window current;
        const auto& bar = current.form.menus.menuBar();
        const auto open = std::find(bar.begin(), bar.end(), &current.form.menus.open);
        QVERIFY(open + 1 < bar.end());
        QCOMPARE(*(open + 1), &current.form.menus.report);
        QCOMPARE(current.form.menus.report.caption(), u"Rapport d'identification..."_s);
        QVERIFY(current.form.menus.report.visible());
        QCOMPARE(current.form.find(u"MnuRapport"_s), &current.form.menus.report);

        Window earlier(core::Edition::Earlier);
        QVERIFY(!earlier.form.menus.report.visible());
        QVERIFY(!earlier.form.find(u"MnuRapport"_s));
        QVERIFY(!earlier.form.menus.report.onClick);
    }

    // A name without extension becomes a web page; the report is dated by the platform
    // and names the table and its file.
    void writesTheWebPage() {
        Window w;
        w.report(w.path(u"rapport"_s));
        const QString html = QString::fromUtf8(readBytes(w.path(u"rapport.html"_s)));
        QVERIFY(html.startsWith(u"<!DOCTYPE html>"_s));
        QVERIFY(html.contains(u"<title>Rapport d'identification - Cèpes</title>"_s));
        QVERIFY(html.contains(u"Fichier : "_s + w.path(u"cepes.txt"_s)));
        QVERIFY(html.contains(u"Date : le 15/01/2023 à 09:30"_s));
        QCOMPARE(w.platform.log(), QStringList());
        QCOMPARE(w.files(), (QStringList{u"cepes.txt"_s, u"rapport.html"_s}));
    }

    // The form comes first (cancelled: no dialog, nothing written); the dialog proposes a
    // name of the day in the program's current folder, then in the folder of the last
    // report.
    void proposesANameInTheFolderUsedLast() {
        Window w;
        w.platform.queueObservationNotes(std::nullopt);
        QVERIFY(engine::userClick(w.form, w.form.menus.report));
        QCOMPARE(w.platform.lastSaveProposal(), QString());
        QCOMPARE(w.files(), QStringList{u"cepes.txt"_s});

        QDir(w.folder.path()).mkdir(u"rapports"_s);
        w.report(w.path(u"rapports/premier"_s));
        QCOMPARE(w.platform.lastSaveProposal(),
                 keytable::currentFolder(w.state) + u"/identification-2023-01-15.html"_s);
        w.report(QString());
        QCOMPARE(w.platform.lastSaveProposal(),
                 w.path(u"rapports/identification-2023-01-15.html"_s));
        QVERIFY(QFile::exists(w.path(u"rapports/premier.html"_s)));
    }

    void writesThePdfFromTheSameDocument() {
        Window w;
        w.report(w.path(u"rapport.pdf"_s));
        const QByteArray pdf = readBytes(w.path(u"rapport.pdf"_s));
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.contains(u"Date : le 15/01/2023 à 09:30"_s.toUtf8()));
        QCOMPARE(w.platform.log(), QStringList{u"[pdf] Rapport d'identification - Cèpes"_s});
    }

    // Whichever step of the write fails, the old report stays byte for byte and nothing
    // is left beside it.
    void aFailedWriteKeepsTheOldReport_data() {
        QTest::addColumn<int>("step");
        for (const WriteFault::Point& point : WriteFault::everyStep())
            if (point.step != core::WriteStep::Write) // so small a report goes out at the flush
                QTest::addRow("step %d", int(point.step)) << int(point.step);
    }
    void aFailedWriteKeepsTheOldReport() {
        QFETCH(int, step);
        Window w;
        const QString target = w.path(u"rapport.html"_s);
        writeBytes(target, "ancien rapport");
        {
            WriteFault fault(1, core::WriteStep(step));
            w.report(target);
        }
        QCOMPARE(readBytes(target), QByteArray("ancien rapport"));
        QCOMPARE(w.files(), (QStringList{u"cepes.txt"_s, u"rapport.html"_s}));
        QCOMPARE(w.platform.log().size(), 1);
        const QString message = w.platform.log().constFirst();
        QVERIFY2(
            message.startsWith(
                u"[msgbox Sylvane] Le rapport d'identification n'a pas pu remplacer le fichier "_s +
                target + u" ("_s),
            qPrintable(message));
        QVERIFY2(message.endsWith(u") ; il est resté tel quel. -> ok"_s), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TestReportMenu)
#include "tst_reportmenu.moc"
