// SPDX-License-Identifier: MIT
#include "handover_assembler.h"

namespace lm {

QStringList HandoverAssembler::Take(QStringList paths, bool continues) {
    QStringList complete;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        QString path = std::move(paths[i]);
        bool tooLong = false;
        if (i == 0 && (dropping_ || !pending_.isEmpty())) {
            tooLong = dropping_ || pending_.size() + path.size() > kMaxPathLength;
            if (!tooLong) {
                path.prepend(pending_);
            }
            pending_.clear();
            dropping_ = false;
        }
        tooLong = tooLong || path.size() > kMaxPathLength;
        if (continues && i + 1 == paths.size()) {
            // The rest of this path comes with the next message.
            if (tooLong) {
                dropping_ = true;
            } else {
                pending_ = std::move(path);
            }
        } else if (!tooLong) {
            complete.append(std::move(path));
        }
    }
    return complete;
}

}  // namespace lm
