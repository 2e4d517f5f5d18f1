// SPDX-License-Identifier: MIT
#include "mask.h"

#include <QCoreApplication>

#include "ansi_codepage.h"

namespace lm {

namespace {

unsigned char UpCase(unsigned char ch) {
    return (ch >= 'a' && ch <= 'z') ? static_cast<unsigned char>(ch - 'a' + 'A') : ch;
}

}  // namespace

EMaskException::EMaskException(QString mask, int position)
    : mask_(std::move(mask)),
      position_(position),
      message_(QCoreApplication::translate("lm::TMask", "'%1' is an invalid mask at (%2)")
                   .arg(mask_, QString::number(position))),
      utf8_(message_.toStdString()) {}

TMask::TMask(QStringView maskText) {
    const QByteArray mask = ToAnsi(maskText);
    const qsizetype length = mask.size();
    const auto at = [&](qsizetype i) -> unsigned char {
        return i < length ? static_cast<unsigned char>(mask[i]) : 0;
    };
    const auto invalid = [&](qsizetype i) {
        throw EMaskException(maskText.toString(), static_cast<int>(i + 1));
    };

    bool floating = false;
    int floatingSteps = 0;
    const auto add = [&](Step step, qsizetype pos) {
        if (floating && ++floatingSteps > kMaxFloatingSteps) {
            invalid(pos);
        }
        step.floating = floating;
        floating = false;
        steps_.push_back(step);
    };

    for (qsizetype p = 0; p < length; ++p) {
        const unsigned char ch = at(p);
        if (ch == '*') {
            floating = true;
        } else if (ch == '?') {
            if (!floating) {
                add(MakeStep(Kind::Any), p);
            }
        } else if (ch == '[') {
            Step step = MakeStep(Kind::Set);
            ++p;
            if (p < length && at(p) == '!') {
                step.negate = true;
                ++p;
            }
            int last = -1;  // the previous character of the set, if any
            while (p < length && at(p) != ']') {
                if (at(p) == '-') {
                    if (last < 0) {
                        invalid(p);
                    }
                    ++p;
                    if (p >= length) {
                        break;  // the set lacks its "]"
                    }
                    // The range end is taken whatever it is, "]" included.
                    for (int c = last; c <= UpCase(at(p)); ++c) {
                        step.set.set(c);
                    }
                } else {
                    last = UpCase(at(p));
                    step.set.set(last);
                }
                ++p;
            }
            if (p >= length || step.set.none()) {
                invalid(p);
            }
            add(step, p);
        } else {
            add(MakeStep(Kind::Literal, UpCase(ch)), p);
        }
    }
    add(MakeStep(Kind::End), length);
}

TMask::Step TMask::MakeStep(Kind kind, unsigned char literal) {
    Step step;
    step.kind = kind;
    step.literal = literal;
    return step;
}

bool TMask::Test(const Step& step, unsigned char ch) const {
    switch (step.kind) {
        case Kind::Literal:
            return UpCase(ch) == step.literal;
        case Kind::Any:
            return true;
        case Kind::Set:
            return step.negate != step.set.test(UpCase(ch));
        case Kind::End:
            return false;  // only the end of the name
    }
    return false;
}

// Backtracking keeps only the resume point of the latest floating step: every
// step takes exactly one character, so once a later floating step is reached,
// moving an earlier one further right can never produce a match that the
// later one misses. The answers are those of a full search, without its
// exponential cost on masks like "*a*a*a*a*b".
bool TMask::Matches(QStringView nameText) const {
    const QByteArray name = ToAnsi(nameText);
    const qsizetype length = name.size();
    const auto at = [&](qsizetype i) { return static_cast<unsigned char>(name[i]); };

    qsizetype pos = 0;
    size_t i = 0;
    bool haveResume = false;
    qsizetype resumePos = 0;
    size_t resumeStep = 0;

    while (i < steps_.size()) {
        const Step& step = steps_[i];
        if (step.floating) {
            haveResume = false;
            while (pos < length && !Test(step, at(pos))) {
                ++pos;
            }
            if (pos < length) {
                haveResume = true;
                resumePos = pos + 1;
                resumeStep = i;
            }
        }
        bool ok;
        if (step.kind == Kind::End) {
            ok = pos == length;
        } else {
            // A step that takes a character fails at the end of the name.
            ok = pos < length && Test(step, at(pos));
        }
        if (ok) {
            ++pos;
            ++i;
            continue;
        }
        if (!haveResume) {
            return false;
        }
        pos = resumePos;
        i = resumeStep;
    }
    return true;
}

bool MaskMatches(QStringView name, QStringView mask) {
    return TMask(mask).Matches(name);
}

QStringList SplitMasks(QStringView masks) {
    QStringList list;
    qsizetype start = 0;
    for (qsizetype i = 0; i < masks.size(); ++i) {
        if (masks[i] == u';') {
            list.append(masks.mid(start, i - start).toString());
            start = i + 1;
        }
    }
    if (start < masks.size()) {
        list.append(masks.mid(start).toString());
    }
    return list;
}

}  // namespace lm
