#include "IniModule.h"

#include "cp932.h"
#include "files.h"
#include "profile.h"

namespace IniModule {

bool GetIniString(std::string_view key, std::string_view section, std::string_view fileName,
                  std::string &value) {
    try {
        const quizra::FileBytes file = quizra::readFileIn(quizra::programDirectory(), fileName);
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
