// The calendar time structure of the CEF 3538 API.

#ifndef CEF_INCLUDE_INTERNAL_CEF_TIME_H_
#define CEF_INCLUDE_INTERNAL_CEF_TIME_H_

#ifdef __cplusplus
extern "C" {
#endif

// A UTC time, broken down into its calendar fields.
typedef struct _cef_time_t {
  int year;          // Four digits, such as 2018.
  int month;         // 1 (January) to 12.
  int day_of_week;   // 0 (Sunday) to 6.
  int day_of_month;  // 1 to 31.
  int hour;          // 0 to 23.
  int minute;        // 0 to 59.
  int second;        // 0 to 59, or 60 for a leap second.
  int millisecond;   // 0 to 999.
} cef_time_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_INTERNAL_CEF_TIME_H_
