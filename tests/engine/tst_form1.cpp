// The word picker of the earlier build.
#include "core/recordingplatform.h"
#include "engine/form1.h"
#include "engine/userinput.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane;

class TestForm1 : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void decomposesAName() {
        keytable::ProgramState state;
        core::RecordingPlatform platform;
        engine::Form1 form(state, platform);
        form.Form_Load();
        QCOMPARE(form.left(), 1000);
        QCOMPARE(form.height(), 5300);
        QString name = u"  Amanita  muscaria (L.)   Lam. "_s;
        form.Tdecompose(name);
        QCOMPARE(name, u"Amanita muscaria (L.) Lam."_s);
        QCOMPARE(form.words(), (QStringList{u"Amanita"_s, u"muscaria"_s, u"(L.)"_s, u"Lam."_s}));
        for (int i = 0; i < 4; ++i) {
            QVERIFY(form.wordOptions(i).visible());
            QCOMPARE(form.wordOptions(i).top(), 800 + 400 * i);
            QCOMPARE(form.wordOptions(i).left(), 400);
        }
        QVERIFY(!form.wordOptions(4).visible());
        QCOMPARE(form.wordOptions(0).value(), 1);
        QCOMPARE(form.wordOptions(1).caption(), u"muscaria"_s);
    }

    void showsNineWordsAtMostAndNoneForAnEmptyText() {
        keytable::ProgramState state;
        core::RecordingPlatform platform;
        engine::Form1 form(state, platform);
        QString twelve = u"a b c d e f g h i j k l"_s;
        form.Tdecompose(twelve);
        QCOMPARE(form.words().size(), 12);
        for (int i = 0; i < engine::Form1::OptionCount; ++i)
            QVERIFY(form.wordOptions(i).visible());
        QCOMPARE(form.wordOptions(8).caption(), u"i"_s);

        QString empty = u"   "_s;
        form.Tdecompose(empty);
        QVERIFY(form.words().isEmpty());
        for (int i = 0; i < engine::Form1::OptionCount; ++i)
            QVERIFY(!form.wordOptions(i).visible());
        QCOMPARE(form.wordOptions(0).value(), 1);
    }

    void buttonsLookUpThePickedWordOrCancel() {
        keytable::ProgramState state;
        core::RecordingPlatform platform;
        engine::Form1 form(state, platform);
        QString looked;
        form.onKeywordLookup = [&](const QString& word) { looked = word; };
        QString name = u"Boletus edulis Bull."_s;
        form.setVisible(true);
        form.Tdecompose(name);
        QVERIFY(engine::userClick(form, form.wordOptions(1)));
        QCOMPARE(form.wordOptions(0).value(), 0);
        QVERIFY(engine::userClick(form, form.commands(0)));
        QCOMPARE(looked, u"edulis"_s);
        QVERIFY(!form.visible());

        looked.clear();
        form.setVisible(true);
        QVERIFY(engine::userClick(form, form.commands(1)));
        QVERIFY(looked.isEmpty());
        QVERIFY(!form.visible());
    }
};

QTEST_GUILESS_MAIN(TestForm1)
#include "tst_form1.moc"
