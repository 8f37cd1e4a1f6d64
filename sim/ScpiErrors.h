#pragma once
// Every error the simulated instrument reports, as ":SYST:ERR?" gives it: code and text.

namespace sim {

struct ScpiErrorCode {
    int code;
    const char* message;
};

// clang-format off
inline constexpr ScpiErrorCode kNoError               {   0, "No error"};
inline constexpr ScpiErrorCode kDataTypeError         {-104, "Data type error"};
inline constexpr ScpiErrorCode kParameterNotAllowed   {-108, "Parameter not allowed"};
inline constexpr ScpiErrorCode kMissingParameter      {-109, "Missing parameter"};
inline constexpr ScpiErrorCode kUndefinedHeader       {-113, "Undefined header"};
inline constexpr ScpiErrorCode kCommandProtected      {-203, "Command protected"};
inline constexpr ScpiErrorCode kDataOutOfRange        {-222, "Data out of range"};
inline constexpr ScpiErrorCode kTooMuchData           {-223, "Too much data"};
inline constexpr ScpiErrorCode kIllegalParameterValue {-224, "Illegal parameter value"};
inline constexpr ScpiErrorCode kQueueOverflow         {-350, "Queue overflow"};
// clang-format on

}  // namespace sim
