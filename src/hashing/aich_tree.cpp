// SPDX-License-Identifier: MIT
#include "aich_tree.h"

#include <stdexcept>

#include "sha1.h"

namespace lm {

namespace {

Digest20 Sha1OfPair(const Digest20& left, const Digest20& right) {
    TDCP_sha1 sha;
    sha.Init();
    sha.Update(left.data(), static_cast<std::uint32_t>(left.size()));
    sha.Update(right.data(), static_cast<std::uint32_t>(right.size()));
    Digest20 out;
    sha.Final(out.data());
    return out;
}

// How many of a node's n units go to its left child.
std::size_t LeftShare(std::size_t n, bool leftChild) {
    return leftChild ? (n + 1) / 2 : n / 2;
}

void MarkSides(std::vector<std::uint8_t>& sides, std::size_t first, std::size_t count,
               bool leftChild) {
    if (count == 1) {
        sides[first] = leftChild ? 1 : 0;
        return;
    }
    const std::size_t left = LeftShare(count, leftChild);
    MarkSides(sides, first, left, true);
    MarkSides(sides, first + left, count - left, false);
}

}  // namespace

Digest20 AichNode(std::span<const Digest20> units, bool leftChild) {
    if (units.empty()) {
        throw std::logic_error("AichNode over no units");
    }
    if (units.size() == 1) {
        return units[0];
    }
    const std::size_t left = LeftShare(units.size(), leftChild);
    return Sha1OfPair(AichNode(units.first(left), true), AichNode(units.subspan(left), false));
}

void AichTree::Begin(std::uint64_t size) {
    const std::uint32_t parts = ChunkCountFor(size);
    partIsLeft_.assign(parts, 1);
    if (parts > 0) {
        MarkSides(partIsLeft_, 0, parts, true);
    }
    partRoots_.clear();
    partRoots_.reserve(parts);
}

void AichTree::AddPart(std::span<const Digest20> leaves) {
    if (partRoots_.size() >= partIsLeft_.size()) {
        throw std::logic_error("AichTree::AddPart past the last part");
    }
    partRoots_.push_back(AichNode(leaves, partIsLeft_[partRoots_.size()] != 0));
}

Digest20 AichTree::Root() const {
    if (partRoots_.size() != partIsLeft_.size()) {
        throw std::logic_error("AichTree::Root before the last part");
    }
    if (partRoots_.empty()) {
        // The empty file: one block of no bytes.
        TDCP_sha1 sha;
        sha.Init();
        Digest20 out;
        sha.Final(out.data());
        return out;
    }
    return AichNode(partRoots_, true);
}

}  // namespace lm
