#include "cli/number_word.h"

#include <string>

#include "cli/quoted_word.h"
#include "common/box_number.h"
#include "common/field_number.h"

std::variant<double, UsageError> ReadLongerNumberWord(std::string_view word, size_t position,
                                                      NumberReading reading) {
  if (reading == NumberReading::Lenient)
    return FieldNumber(word);
  const BoxNumber number = ReadBoxNumber(word);
  // An empty word on a command line is more often an unset variable than a meant 0.
  if (!number.Refused() && number.reading != BoxText::Blank)
    return number.value;
  const BoxText refused = number.reading == BoxText::Blank ? BoxText::NotANumber : number.reading;
  return UsageError{"word " + std::to_string(position) + ", " + QuotedWord(word) + ", " +
                    std::string(RefusalReason(refused))};
}
