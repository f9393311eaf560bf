#pragma once

#include "core/safewrite.h"

#include <QList>

#include <cerrno>

// Makes one step of one file replacement fail for as long as it lives: the step of the
// replacement-th replacement (counted from 1 from its construction, each starting at its
// Create step, or at its Open step when it is rewritten in place from the start), for
// writes the occurrence-th write.
class WriteFault {
  public:
    using WriteStep = sylvane::core::WriteStep;
    WriteFault(int replacement, WriteStep step, int occurrence = 1, int systemError = ENOSPC) {
        sylvane::core::setWriteFaultHook([=, this](WriteStep s, int n) {
            if (s == WriteStep::Create || (s == WriteStep::Open && last_ != WriteStep::Create))
                ++replacements_;
            last_ = s;
            return replacements_ == replacement && s == step && n == occurrence ? systemError : 0;
        });
    }
    ~WriteFault() { sylvane::core::setWriteFaultHook({}); }
    WriteFault(const WriteFault&) = delete;
    WriteFault& operator=(const WriteFault&) = delete;

    // Every step a replacement of more than two write calls goes through.
    struct Point {
        WriteStep step;
        int occurrence;
    };
    static QList<Point> everyStep() {
        return {{WriteStep::Create, 1}, {WriteStep::Write, 1}, {WriteStep::Write, 2},
                {WriteStep::Flush, 1},  {WriteStep::Sync, 1},  {WriteStep::SizeCheck, 1},
                {WriteStep::Close, 1},  {WriteStep::Rename, 1}};
    }

  private:
    int replacements_ = 0;
    WriteStep last_ = WriteStep::Rename;
};
