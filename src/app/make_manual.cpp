// Renders the user manual, kept as HTML in the repository, to the PDF that the program
// opens with "Documentation". Run at build time: make_manual SOURCE.html TARGET.pdf
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // fonts need a GUI application (offscreen will do)
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: make_manual SOURCE.html TARGET.pdf\n");
        return 2;
    }
    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_manual: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QTextDocument document;
    document.setDefaultFont(QFont(u"DejaVu Sans"_s, 10));
    // Images are named relative to the manual's folder; the copy of the document that is
    // printed finds only absolute names.
    QString html = QString::fromUtf8(source.readAll());
    html.replace(QRegularExpression(uR"(<img src="(?!/))"_s),
                 u"<img src=\""_s + QFileInfo(args[1]).absolutePath() + u'/');
    document.setHtml(html);

    QPdfWriter writer(args[2]);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(u"Sylvane"_s);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));
    writer.setResolution(300);
    document.print(&writer);
    if (!QFile::exists(args[2])) {
        std::fprintf(stderr, "make_manual: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
