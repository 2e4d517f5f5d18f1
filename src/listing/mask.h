// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <bitset>
#include <exception>
#include <string>
#include <vector>

namespace lm {

// Raised for a mask that cannot be compiled. The text reads
// "'<mask>' is an invalid mask at (<position>)", the position 1-based.
class EMaskException : public std::exception {
public:
    EMaskException(QString mask, int position);

    const QString& Message() const { return message_; }
    const QString& Mask() const { return mask_; }
    int Position() const { return position_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString mask_;
    int position_;
    QString message_;
    std::string utf8_;
};

// A file mask compiled into steps. Names and masks are compared as
// Windows-1252 bytes (a character outside it becomes "?", which in a mask
// then acts as a wildcard); only the ASCII letters fold case.
//
//   *        the next step may start anywhere from here on
//   ?        any one character ("*?" means the same as "*")
//   [abc]    one character of the set; [!abc] one that is not in it;
//            "a-z" inside a set adds a range
//   other    that character
//
// A mask must match the whole name.
class TMask {
public:
    static constexpr int kMaxFloatingSteps = 30;

    explicit TMask(QStringView mask);  // throws EMaskException

    bool Matches(QStringView name) const;

private:
    enum class Kind { Literal, Any, Set, End };
    struct Step {
        Kind kind = Kind::Literal;
        bool floating = false;
        bool negate = false;
        unsigned char literal = 0;
        std::bitset<256> set;
    };

    static Step MakeStep(Kind kind, unsigned char literal = 0);
    bool Test(const Step& step, unsigned char ch) const;

    std::vector<Step> steps_;
};

// True when `name` matches `mask`; throws EMaskException for an invalid mask.
bool MaskMatches(QStringView name, QStringView mask);

// Cuts a mask text at every ";". Pieces are kept exactly as written, empty
// ones included (they match nothing); the remainder after the last ";" only
// when it is not empty.
QStringList SplitMasks(QStringView masks);

}  // namespace lm
