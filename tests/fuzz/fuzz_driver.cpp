// Any bytes as a driver script, run on a small key table in a scratch folder.
#include "app/drive/driver.h"
#include "fuzzfolder.h"

#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

// Lines that could name a file outside the scratch folder are left out: a script may
// optimise ("dialog" then the menu) or save to any path it names.
QString confined(const QString& script) {
    QStringList kept;
    for (const QString& line : script.split(u'\n'))
        if (!line.contains(u'/') && !line.contains(u'\\') && !line.contains(u"..") &&
            !line.contains(u'~'))
            kept.append(line);
    return kept.join(u'\n');
}

const QByteArray table = "TITRE=Essai\r\nCOM=petite table\r\n"
                         "CHAMP=Espece;Chapeau;Odeur;Lien\r\n"
                         "Amanita muscaria;rouge;faible;#www.example.org\r\n"
                         "Amanita phalloides;vert;douce;%doc.pdf\r\n"
                         "Boletus edulis;brun;agreable;\r\n"
                         "Russula emetica;rouge;fruitee;#mailto:a@b.c\r\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzFolder folder;
    folder.write(u"t.txt"_s, table);
    for (const char* edition : {"2023-01", "2019-02"}) {
        sylvane::drive::Driver driver(sylvane::core::editionFromName(QString::fromLatin1(edition)),
                                      folder.path(), [](const QString&) {});
        QString script =
            confined(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
        QTextStream stream(&script);
        driver.runScript(stream);
    }
    return 0;
}
