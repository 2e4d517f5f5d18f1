// SPDX-License-Identifier: MIT
// File masks from arbitrary text. A mask either compiles or raises
// EMaskException; a compiled mask answers for any name. The answers are
// compared with a plain backtracking matcher written from the mask rules,
// which knows nothing of the compiled steps or their single resume point.
// SplitMasks must cut at every ";" and lose nothing.
//
// Input: byte 0 picks Latin-1 or UTF-16 for the texts and where the mask
// ends; the mask comes first, the name after it.

#include <QString>
#include <QStringList>

#include <fuzzer/FuzzedDataProvider.h>

#include <bitset>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "ansi_codepage.h"
#include "mask.h"

namespace {

using lm::EMaskException;
using lm::TMask;

[[noreturn]] void Fail(const char* what, const QString& mask, const QString& name) {
    std::fprintf(stderr, "mask: %s\n  mask: %s\n  name: %s\n", what, qPrintable(mask),
                 qPrintable(name));
    std::abort();
}

unsigned char Up(unsigned char ch) {
    return ch >= 'a' && ch <= 'z' ? static_cast<unsigned char>(ch - 32) : ch;
}

struct Token {
    enum Kind { Star, One, Set, Char };

    explicit Token(Kind k, unsigned char c = 0) : kind(k), ch(c) {}

    Kind kind;
    unsigned char ch;
    bool negate = false;
    std::bitset<256> set;
};

struct Parsed {
    std::vector<Token> tokens;
    bool tooManyStars = false;  // more than kMaxFloatingSteps steps after a "*"
};

// The mask rules: "*" any run, "?" any one character except right after a
// "*" (where it adds nothing), "[...]" a set with "!" and ranges, anything
// else itself. Returns nothing for a mask that is not valid.
std::optional<Parsed> ParseMask(const QByteArray& mask) {
    Parsed parsed;
    int afterStar = 0;
    bool star = false;
    const auto push = [&](Token token) {
        if (star) {
            ++afterStar;
        }
        star = false;
        parsed.tokens.push_back(token);
    };
    for (qsizetype p = 0; p < mask.size(); ++p) {
        const auto ch = static_cast<unsigned char>(mask[p]);
        if (ch == '*') {
            if (!star) {
                parsed.tokens.push_back(Token(Token::Star));
            }
            star = true;
        } else if (ch == '?') {
            if (!star) {
                push(Token(Token::One));
            }
        } else if (ch == '[') {
            Token token(Token::Set);
            ++p;
            if (p < mask.size() && mask[p] == '!') {
                token.negate = true;
                ++p;
            }
            int previous = -1;
            bool closed = false;
            for (; p < mask.size(); ++p) {
                const auto c = static_cast<unsigned char>(mask[p]);
                if (c == ']') {
                    closed = true;
                    break;
                }
                if (c == '-') {
                    if (previous < 0 || p + 1 >= mask.size()) {
                        return std::nullopt;
                    }
                    // "x-y": the character after the "-" ends the range,
                    // whatever it is.
                    ++p;
                    for (int x = previous; x <= Up(static_cast<unsigned char>(mask[p])); ++x) {
                        token.set.set(x);
                    }
                } else {
                    previous = Up(c);
                    token.set.set(previous);
                }
            }
            if (!closed || token.set.none()) {
                return std::nullopt;
            }
            push(token);
        } else {
            push(Token(Token::Char, Up(ch)));
        }
    }
    if (star) {
        ++afterStar;  // the end of the name floats too
    }
    parsed.tooManyStars = afterStar > TMask::kMaxFloatingSteps;
    return parsed;
}

bool TokenTakes(const Token& token, unsigned char ch) {
    switch (token.kind) {
        case Token::One:
            return true;
        case Token::Set:
            return token.negate != token.set.test(Up(ch));
        case Token::Char:
            return Up(ch) == token.ch;
        case Token::Star:
            break;
    }
    return false;
}

// Plain backtracking, remembering the (token, position) pairs already
// known to fail so that many stars stay affordable.
class Matcher {
public:
    Matcher(const std::vector<Token>& tokens, const QByteArray& name)
        : tokens_(tokens),
          name_(name),
          failed_((tokens.size() + 1) * static_cast<std::size_t>(name.size() + 1)) {}

    bool Match(std::size_t t, qsizetype pos) {
        if (t == tokens_.size()) {
            return pos == name_.size();
        }
        const std::size_t key = t * static_cast<std::size_t>(name_.size() + 1) + pos;
        if (failed_[key]) {
            return false;
        }
        bool ok = false;
        const Token& token = tokens_[t];
        if (token.kind == Token::Star) {
            for (qsizetype next = pos; next <= name_.size() && !ok; ++next) {
                ok = Match(t + 1, next);
            }
        } else {
            ok = pos < name_.size() && TokenTakes(token, static_cast<unsigned char>(name_[pos])) &&
                 Match(t + 1, pos + 1);
        }
        if (!ok) {
            failed_[key] = true;
        }
        return ok;
    }

private:
    const std::vector<Token>& tokens_;
    const QByteArray& name_;
    std::vector<bool> failed_;
};

QString Decode(const std::string& bytes, bool utf16) {
    if (!utf16) {
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    QString text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text.append(QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                static_cast<unsigned char>(bytes[i + 1]) << 8)));
    }
    return text;
}

void CheckSplit(const QString& masks) {
    const QStringList pieces = lm::SplitMasks(masks);
    for (const QString& piece : pieces) {
        if (piece.contains(u';')) {
            Fail("a piece holds a \";\"", masks, piece);
        }
    }
    QString joined = pieces.join(u';');
    if (masks.endsWith(u';')) {
        joined += u';';
    }
    if (joined != masks) {
        Fail("the pieces do not give the masks back", masks, joined);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool utf16 = input.ConsumeBool();
    const QString maskText = Decode(input.ConsumeRandomLengthString(512), utf16);
    const QString name = Decode(input.ConsumeRemainingBytesAsString(), utf16);

    CheckSplit(maskText);
    CheckSplit(name);

    const QByteArray maskBytes = lm::ToAnsi(maskText);
    const std::optional<Parsed> parsed = ParseMask(maskBytes);
    std::optional<TMask> mask;
    try {
        mask.emplace(maskText);
    } catch (const EMaskException& error) {
        if (error.Mask() != maskText || error.Position() < 1 ||
            error.Position() > maskBytes.size() + 1) {
            Fail("the exception names another mask or position", maskText, name);
        }
        if (parsed && !parsed->tooManyStars) {
            Fail("a valid mask is refused", maskText, name);
        }
        try {
            lm::MaskMatches(name, maskText);
        } catch (const EMaskException&) {
            return 0;
        }
        Fail("MaskMatches takes a mask that TMask refuses", maskText, name);
    }
    if (!parsed || parsed->tooManyStars) {
        Fail("an invalid mask compiles", maskText, name);
    }
    const bool matches = mask->Matches(name);
    if (lm::MaskMatches(name, maskText) != matches) {
        Fail("MaskMatches and TMask disagree", maskText, name);
    }
    const QByteArray nameBytes = lm::ToAnsi(name);
    if (nameBytes.size() <= 4096 && Matcher(parsed->tokens, nameBytes).Match(0, 0) != matches) {
        Fail(matches ? "matches, but the plain matcher finds no match"
                     : "no match, but the plain matcher finds one",
             maskText, name);
    }
    return 0;
}
