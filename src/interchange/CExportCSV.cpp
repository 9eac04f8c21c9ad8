#include "interchange/CExportCSV.h"

#include "model/CCp932.h"
#include "model/CFileIO.h"

CExportCSV::CExportCSV(std::filesystem::path path, CsvEncoding encoding)
    : path_(std::move(path)), encoding_(encoding) {
    if (encoding_ == CsvEncoding::Utf8WithBom) {
        bytes_ = "\xEF\xBB\xBF";
    }
}

bool CExportCSV::WriteLine(const CLineCSV& line, EncodeFailure* failure) {
    const std::string text = line.ToText();
    if (encoding_ == CsvEncoding::Utf8WithBom) {
        bytes_ += text;
    } else {
        const std::size_t mark = bytes_.size();
        if (!CCp932::Encode(text, bytes_)) {
            bytes_.resize(mark);
            // Only on this rare path: find which field it was, for the message.
            for (std::size_t i = 0; i < line.Count(); ++i) {
                CCp932::Failure f;
                if (!CCp932::CanEncode(*line.Field(i), &f)) {
                    if (failure != nullptr) {
                        *failure = EncodeFailure{i, f.character};
                    }
                    break;
                }
            }
            return false;
        }
    }
    bytes_ += "\r\n";
    return true;
}

void CExportCSV::Commit() { CFileIO::WriteFileAtomically(path_, bytes_); }
