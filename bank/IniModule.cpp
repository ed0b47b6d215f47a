#include "IniModule.h"

#include "cp932.h"
#include "files.h"
#include "profile.h"

#include <string>

namespace IniModule {

bool GetIniString(std::string_view key, std::string_view section, std::string_view fileName,
                  std::string &value) {
    try {
        const std::string path = quizra::joinPath(quizra::programDirectory(), fileName);
        quizra::FileBytes file = quizra::readFileBytes(path);
        if (file.status == quizra::FileBytes::Status::NotFound) {
            // Banks come from systems that ignore case in file names.
            const std::string resolved = quizra::resolvePath(quizra::programDirectory(), fileName);
            if (resolved != path) file = quizra::readFileBytes(resolved);
        }
        switch (file.status) {
        case quizra::FileBytes::Status::NotFound:
            value.clear();
            return true;
        case quizra::FileBytes::Status::Error:
            return false;
        case quizra::FileBytes::Status::Ok:
            break;
        }
        value = quizra::decodeCp932(quizra::profileValue(file.bytes, section, key));
        return true;
    } catch (...) {
        // The reader never raises: any failure leaves value as it was and reports false.
        return false;
    }
}

} // namespace IniModule
