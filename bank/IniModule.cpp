#include "IniModule.h"

#include "cp932.h"
#include "profile.h"

#include <cerrno>

namespace IniModule {

bool GetIniString(std::string_view key, std::string_view section, std::string_view fileName,
                  std::string &value) {
    return IniFile(fileName).GetIniString(key, section, value);
}

// The reader never raises: any failure leaves value as it was and reports false.
IniFile::IniFile(std::string_view fileName) {
    try {
        file_ = quizra::readFileIn(quizra::bankDirectory(), fileName);
    } catch (...) {
        file_ = {quizra::FileBytes::Status::Error, {}, ENOMEM, {}};
    }
}

bool IniFile::GetIniString(std::string_view key, std::string_view section, std::string &value) {
    try {
        switch (file_.status) {
        case quizra::FileBytes::Status::NotFound:
            value.clear();
            return true;
        case quizra::FileBytes::Status::Error:
            return false;
        case quizra::FileBytes::Status::Ok:
            break;
        }
        if (section != section_) {
            sectionKeys_ = quizra::sectionKeys(quizra::profileSection(file_.bytes, section));
            section_ = section;
        }
        value = quizra::decodeCp932(quizra::keyValue(sectionKeys_, key));
        return true;
    } catch (...) {
        return false;
    }
}

bool IniFile::tooLarge() const {
    return file_.status == quizra::FileBytes::Status::Error && file_.errorNumber == EFBIG;
}

} // namespace IniModule
