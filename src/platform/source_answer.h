#pragma once

namespace dozorik {

// What a source of a busy signal answers when it is read.
enum class SourceAnswer {
  Read,         // the values are there
  NoValue,      // none this time: a rate's first reading, or a call the system failed
  NotProvided,  // this Windows has no such data; asking again changes nothing
};

}  // namespace dozorik
