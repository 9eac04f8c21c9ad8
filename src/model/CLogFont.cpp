#include "model/CLogFont.h"

#include "model/CArchiveReader.h"
#include "model/CArchiveWriter.h"
#include "model/CCp932.h"
#include "model/CFormatError.h"

namespace {

std::string FitCp932(const std::string& utf8) {
    std::string bytes = CCp932::EncodeLossy(utf8);
    if (bytes.size() < CLogFont::kFaceNameBytes) {
        return bytes;
    }
    // Cut before a character, never between a lead and a trail byte.
    std::size_t keep = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t len = CCp932::IsLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
        if (i + len > CLogFont::kFaceNameBytes - 1) {
            break;
        }
        i += len;
        keep = i;
    }
    bytes.resize(keep);
    return bytes;
}

}  // namespace

std::string CLogFont::FitFaceName(const std::string& utf8) { return CCp932::Decode(FitCp932(utf8)); }

void CLogFont::Write(CArchiveWriter& ar) const {
    ar.WriteInt32(height);
    ar.WriteInt32(width);
    ar.WriteInt32(escapement);
    ar.WriteInt32(orientation);
    ar.WriteInt32(weight);
    for (const std::uint8_t b : {italic, underline, strikeOut, charSet, outPrecision, clipPrecision, quality,
                                 pitchAndFamily}) {
        ar.WriteByte(b);
    }
    const std::string face = FitCp932(faceName);
    ar.WriteInt32(static_cast<std::int32_t>(face.size() + 1));
    ar.WriteBytes(face);
    ar.WriteByte(0);
}

CLogFont CLogFont::Read(CArchiveReader& ar) {
    CLogFont f;
    f.height = ar.ReadInt32();
    f.width = ar.ReadInt32();
    f.escapement = ar.ReadInt32();
    f.orientation = ar.ReadInt32();
    f.weight = ar.ReadInt32();
    f.italic = ar.ReadByte();
    f.underline = ar.ReadByte();
    f.strikeOut = ar.ReadByte();
    f.charSet = ar.ReadByte();
    f.outPrecision = ar.ReadByte();
    f.clipPrecision = ar.ReadByte();
    f.quality = ar.ReadByte();
    f.pitchAndFamily = ar.ReadByte();
    const std::size_t at = ar.Offset();
    const std::int32_t n = ar.ReadInt32();
    if (n < 0 || n > static_cast<std::int32_t>(kFaceNameBytes)) {
        throw CFormatError(at, "font face name length " + std::to_string(n) + " is over 32");
    }
    std::string_view raw = ar.ReadBytes(static_cast<std::size_t>(n));
    if (const auto zero = raw.find('\0'); zero != std::string_view::npos) {
        raw = raw.substr(0, zero);
    }
    f.faceName = CCp932::Decode(raw);
    return f;
}
