#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace decay {

struct Message;
struct Remedy;

// How a number of a message is written.
enum class NumberForm {
    Significant,     // to `digits` significant digits
    Whole,           // a count, every digit
    WithUncertainty, // "2,400 ± 400", both rounded as an uncertainty is (roundToUncertainty); `plus` the uncertainty
    Interval,        // "31,000 (−3,400/+6,100)", rounded by the smaller side (roundToUncertainty)
};

// One value of a message: a text shown as it is (a name, a field as typed), or a number that a
// window writes in the user's way (decimal point, digit grouping, powers of ten).
struct MessageValue {
    std::string text;
    std::optional<double> number;
    bool unit = false; // the text is a time unit's symbol ("d", "y"), written in the user's language
    int digits = 6;    // the significant digits a number is written with
    NumberForm form = NumberForm::Significant;
    double minus = 0, plus = 0; // a number's uncertainty below and above it
    // A sentence or a word of its own, in the user's language too: its pattern is translated in
    // `context` ("ModelText" for the model's own sentences), a name that lives as long as the program.
    std::shared_ptr<const Message> message;
    const char* context = "ModelText";

    MessageValue(std::string value) : text(std::move(value)) {}
    MessageValue(const char* value) : text(value) {}
    template <class T, class = std::enable_if_t<std::is_arithmetic_v<T>>>
    MessageValue(T value) : number(static_cast<double>(value))
    {
    }

    // The text, or the number as C writes it: whole numbers in full, others to 15 digits.
    std::string plain() const;
};

// A number written with `digits` significant digits.
inline MessageValue numberValue(double number, int digits)
{
    MessageValue value{number};
    value.digits = digits;
    return value;
}

// A count, written in full.
inline MessageValue wholeValue(double count)
{
    MessageValue value{count};
    value.form = NumberForm::Whole;
    return value;
}

// A measured value with its (standard) uncertainty.
inline MessageValue uncertainValue(double number, double uncertainty)
{
    MessageValue value{number};
    value.form = NumberForm::WithUncertainty;
    value.minus = value.plus = uncertainty;
    return value;
}

// A value with the interval below and above it.
inline MessageValue intervalValue(double number, double minus, double plus)
{
    MessageValue value{number};
    value.form = NumberForm::Interval;
    value.minus = minus;
    value.plus = plus;
    return value;
}

// A time unit's symbol as a message value.
inline MessageValue unitValue(std::string_view symbol)
{
    MessageValue value{std::string(symbol)};
    value.unit = true;
    return value;
}

// A sentence for the user, kept apart from its values so that a window can show it in the user's
// language: an English pattern in which %1, %2, ... (up to %9) stand for the values.
struct Message {
    std::string pattern; // empty for no message
    std::vector<MessageValue> values;
    // A refusal's: the change of the entries that takes its cause away, where one does.
    std::shared_ptr<const Remedy> remedy;

    bool empty() const { return pattern.empty(); }
    // The English sentence, the values in their places.
    std::string text() const;
};

// A change of the entries that takes a refusal's cause away, which a window offers beside the
// refusal: each entry with the value to put there, in the unit it is typed in, and the words of
// the offer ("Take 1,000 steps of 0.33 h").
struct Remedy {
    enum class Entry { Step, Steps, PointsPerDecade, Efficiency, RepeatSeconds };
    struct Change {
        Entry entry;
        double value;
    };
    std::vector<Change> changes;
    Message offer;
};
Message withRemedy(Message refusal, Remedy remedy);

// A sentence or a word as the value of another, translated in `context`.
MessageValue sentenceValue(Message message, const char* context);

// Sentences shown as one text: those of a line one after another, the lines one under another.
struct Report {
    std::vector<std::vector<Message>> lines;

    bool empty() const { return lines.empty(); }
    // `message` on a line of its own, or after the last line's sentences.
    Report& line(Message message);
    Report& then(Message message);
    // The English text.
    std::string text() const;
};

// A message whose values are made in place from `values`, which a braced list would copy.
template <class... Values> Message said(std::string pattern, Values&&... values)
{
    Message message{std::move(pattern), {}};
    message.values.reserve(sizeof...(values));
    (message.values.emplace_back(std::forward<Values>(values)), ...);
    return message;
}

// `pattern` with %1, %2, ... replaced by `values` in one pass, so that a value holding "%2" stays
// as it is; a place without a value stays as written.
std::string fillIn(const std::string& pattern, const std::vector<std::string>& values);

} // namespace decay
