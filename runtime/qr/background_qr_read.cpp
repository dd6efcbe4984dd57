// SPDX-License-Identifier: MIT
#include "background_qr_read.h"

#include <utility>

#include "find_qr_codes.h"

namespace plakora {

BackgroundQrRead::BackgroundQrRead(ByteBuffer pictureBytes, QSize searchBox)
    // Deferred to codes() when no thread can be started.
    : codes_(std::async(std::launch::async | std::launch::deferred, [bytes = std::move(pictureBytes), searchBox] {
               return FindQrCodesInPicture(bytes, searchBox);
             }).share()) {}

QStringList BackgroundQrRead::codes() const { return codes_.valid() ? codes_.get() : QStringList(); }

}  // namespace plakora
