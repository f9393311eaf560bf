// Any bytes as a key table: opened from the menu, then a few steps of an identification
// on it. One window serves every input, as one program opens table after table: a window
// costs far more to build than a small table to load.
#include "app/drive/driver.h"
#include "fuzzfolder.h"

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzFolder folder;
    static sylvane::drive::Driver driver(sylvane::core::Edition::Current, folder.path(),
                                         [](const QString&) {});
    static const bool started = (driver.runCommand(u"start"_s), true);
    Q_UNUSED(started);
    folder.write(u"table.txt"_s, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (const QString& command :
         {u"dialog table.txt"_s, u"click MnOuvrir"_s, u"click List2 0"_s, u"click ListDesc 0"_s,
          u"click ListDesc 1"_s, u"click List2 1"_s, u"click ListDesc 0"_s,
          u"click ListEspeces 0"_s, u"click Command5"_s, u"click Command5"_s, u"click Label2"_s,
          u"click ListDesc 0"_s, u"click Command1"_s})
        driver.runCommand(command);
    return 0;
}
