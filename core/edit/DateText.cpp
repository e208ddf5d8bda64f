#include "core/edit/DateText.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool IsDigits(const CString& strText, std::size_t begin, std::size_t count) {
    if (begin + count > strText.size()) {
        return false;
    }
    for (std::size_t i = begin; i < begin + count; ++i) {
        if (strText[i] < '0' || strText[i] > '9') {
            return false;
        }
    }
    return true;
}

int Number(const CString& strText, std::size_t begin, std::size_t count) {
    return std::atoi(strText.substr(begin, count).c_str());
}

bool IsSeparator(char c, const char* pSeparators) {
    for (; *pSeparators; ++pSeparators) {
        if (c == *pSeparators) {
            return true;
        }
    }
    return false;
}

int DaysIn(int nYear, int nMonth) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bLeap = (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
    return nMonth == 2 && bLeap ? 29 : kDays[nMonth - 1];
}

bool IsDay(int nYear, int nMonth, int nDay) {
    return nMonth >= 1 && nMonth <= 12 && nDay >= 1 && nDay <= DaysIn(nYear, nMonth);
}

// "hh:mm", optionally ":ss", from begin to the end or to a zone; returns where it stopped.
std::size_t ClockEnd(const CString& strText, std::size_t begin) {
    if (!IsDigits(strText, begin, 2) || strText.size() < begin + 5 || strText[begin + 2] != ':' ||
        !IsDigits(strText, begin + 3, 2) || Number(strText, begin, 2) > 23 ||
        Number(strText, begin + 3, 2) > 59) {
        return CString::npos;
    }
    std::size_t end = begin + 5;
    if (end < strText.size() && strText[end] == ':') {
        if (!IsDigits(strText, end + 1, 2) || Number(strText, end + 1, 2) > 59) {
            return CString::npos;
        }
        end += 3;
    }
    return end;
}

bool IsZone(const CString& strText, std::size_t begin) {
    if (begin == strText.size()) {
        return true;
    }
    if (strText[begin] == 'Z') {
        return begin + 1 == strText.size();
    }
    return (strText[begin] == '+' || strText[begin] == '-') &&
           ClockEnd(strText, begin + 1) == strText.size() && strText.size() == begin + 6;
}

}  // namespace

bool IsCalendarDate(const CString& strText) {
    return strText.size() == 10 && IsDigits(strText, 0, 4) && IsDigits(strText, 5, 2) &&
           IsDigits(strText, 8, 2) && IsSeparator(strText[4], "-:/. _") &&
           strText[7] == strText[4] &&
           IsDay(Number(strText, 0, 4), Number(strText, 5, 2), Number(strText, 8, 2));
}

bool IsClockTime(const CString& strText) {
    return strText.size() == 8 && IsDigits(strText, 0, 2) && IsDigits(strText, 3, 2) &&
           IsDigits(strText, 6, 2) && IsSeparator(strText[2], ":-_. ") &&
           strText[5] == strText[2] && Number(strText, 0, 2) <= 23 && Number(strText, 3, 2) <= 59 &&
           Number(strText, 6, 2) <= 59;
}

bool IsIsoDateTime(const CString& strText) {
    if (!IsDigits(strText, 0, 4)) {
        return false;
    }
    if (strText.size() == 4) {
        return true;
    }
    if (strText[4] != '-' || !IsDigits(strText, 5, 2)) {
        return false;
    }
    const int nMonth = Number(strText, 5, 2);
    if (strText.size() == 7) {
        return nMonth >= 1 && nMonth <= 12;
    }
    if (strText.size() < 10 || strText[7] != '-' || !IsDigits(strText, 8, 2) ||
        !IsDay(Number(strText, 0, 4), nMonth, Number(strText, 8, 2))) {
        return false;
    }
    if (strText.size() == 10) {
        return true;
    }
    const std::size_t end = strText[10] == 'T' ? ClockEnd(strText, 11) : CString::npos;
    return end != CString::npos && IsZone(strText, end);
}

std::pair<CString, CString> LocalDateAndTime(std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    char date[48];
    char time[48];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return {date, time};
}
