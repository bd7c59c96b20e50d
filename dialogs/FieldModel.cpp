#include "dialogs/FieldModel.h"

#include "data/Number.h"
#include "platform/MessageCatalogue.h"

#include <cctype>
#include <charconv>

namespace kolv {

bool parseWholeNumber(std::string_view text, int& value)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    if (begin < end && text[begin] == '+')
        ++begin;
    if (begin == end)
        return false;
    const auto [last, error] = std::from_chars(text.data() + begin, text.data() + end, value);
    return error == std::errc() && last == text.data() + end;
}

const std::string& FieldModel::value(std::string_view key) const
{
    static const std::string empty;
    const auto found = values_.find(key);
    return found == values_.end() ? empty : found->second;
}

void FieldModel::setValue(std::string_view key, std::string text)
{
    values_.insert_or_assign(std::string(key), std::move(text));
}

int FieldModel::integer(std::string_view key) const
{
    return static_cast<int>(parseLeadingInteger(value(key)));
}

void FieldModel::setEnabled(std::string_view key, bool enabled)
{
    if (enabled)
        disabled_.erase(std::string(key));
    else
        disabled_.insert(std::string(key));
}

std::vector<std::string> FieldModel::entries(std::string_view) const
{
    return {};
}

void FieldModel::fieldLeft(std::string_view, Prompter&)
{}

void FieldModel::fieldEntered(std::string_view)
{}

void FieldModel::buttonPressed(std::string_view, Prompter&)
{}

std::string FieldModel::firstInvalidInteger(const std::vector<FormField>& fields, Prompter& prompter) const
{
    for (const FormField& field : fields) {
        if (field.kind != FormFieldKind::Integer || !isEnabled(field.key))
            continue;
        int number = 0;
        if (!parseWholeNumber(value(field.key), number)) {
            showMessage(prompter, Message::IntegerExpected, MessageKind::Warning);
            return field.key;
        }
        if (number < field.minimum || number > field.maximum) {
            showMessage(prompter, Message::IntegerRange, MessageKind::Warning, std::to_string(field.minimum),
                        std::to_string(field.maximum));
            return field.key;
        }
    }
    return {};
}

void FieldModel::loadSettingsFields(const std::vector<FormField>& fields, const SettingsValues& settings)
{
    for (const FormField& field : fields) {
        if (field.intSetting)
            setValue(field.key, formatText("%d", settings.*field.intSetting));
        else if (field.textSetting)
            setValue(field.key, settings.*field.textSetting);
    }
}

void FieldModel::storeSettingsFields(const std::vector<FormField>& fields, SettingsValues& settings) const
{
    for (const FormField& field : fields) {
        if (field.intSetting)
            settings.*field.intSetting = integer(field.key);
        else if (field.textSetting)
            settings.*field.textSetting = value(field.key);
    }
}

}  // namespace kolv
