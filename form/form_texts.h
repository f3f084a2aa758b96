// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every fixed text of the window, in one place: UTF-8, byte for byte as the window shows them.
// Multi-line texts end each line, the last one too, with CR LF.

namespace texts {

// clang-format off

inline constexpr char windowTitleEnd[] = "Информатика - прости числа";
// The caption is the homepage, two blanks, then the title's end.
inline constexpr char titleSeparator[] = "  ";

inline constexpr char title[] = "Информатика - брой прости числа в интервал";
inline constexpr char intervalHeading[] = "Интервал";
inline constexpr char storedHeading[] = "Директно";
inline constexpr char computedHeading[] = "Последователно";
inline constexpr char methodHeading[] = "Алгоритъм";

inline constexpr const char* intervalCaptions[] = { "1 - 10", "10 - 100", "100 - 1000", "1000 - 10000" };
inline constexpr const char* methodCaptions[] = { "2 - (N-1)", "2 - (N/2)", "2 - sqr(N)" };

// The summary that replaces the task statement: before, the interval's caption, between, the
// count in decimal, then CR LF.
inline constexpr char summaryBefore[] = "В интервала ";
inline constexpr char summaryBetween[] = " броя прости числа е: ";
inline constexpr char lineEnd[] = "\r\n";

inline constexpr char taskStatement[] =
    "Да се реализира проект, осъществяващ вътрешнопредметна връзка в Информатика.\r\n"
    "Тема на проекта: Информатика - брой прости числа в интервал.\r\n"
    "Да се намерят всички прости числа в даден интервал.  Чрез радиобутони да се избират следните интервали: \r\n"
    "а) 1-10;\r\n"
    "б) 10-100;\r\n"
    "в) 100-1000;\r\n"
    "г) 1000-10000\r\n"
    "Проектът да използва два начина за извеждане на информацията:\r\n"
    "а) използва предварително въведени данни за броя и вида на простите числа;\r\n"
    "б) изчислява последователно всички прости числа от указания интервал.\r\n"
    "Да се използват 3 отделни алгоритъма за търсене на просто число:\r\n"
    "а) чрез последователна проверка с всички числа [2..N];\r\n"
    "б) чрез последователна проверка с всички числа [2..N/2];\r\n"
    "в) чрез последователна проверка с всички числа [2..sqr(N)];\r\n"
    "Резултатите да се представят в две отделни списъчни полета. При посочване на конкретен ред от едното списъчно поле да се посочва автоматично същия ред от другото списъчно поле.\r\n"
    "При по-малките интервали скоростите за извеждане на простите числа по двата начина са приблизително равни. Разликата в скоростта на извеждане нараства правопропорционално с нарастване на числовия интервал.\r\n"
    "Пример за брой прости:\r\n"
    "Интервал [1-10] - брой 4\r\n"
    "Интервал [10-100] - брой 21\r\n"
    "Интервал [100-1000] - брой 143\r\n"
    "Интервал [1000-10000] - брой 1061\r\n"
    "Интервал [10000-100000] - брой 8363\r\n";

// Shown instead of the window where the system refuses to make it.
inline constexpr char windowNotOpened[] = "Прозорецът на програмата не можа да бъде отворен.";

// Kept with the window but never shown.
inline constexpr char quotation[] =
    "Неприятното в това да си първият, направил нещо по \r\n"
    "правилния начин, е, че никой не оценява колко трудно е \r\n"
    "било. \r\n";

// What a screen reader says besides the captions: a name for the text box, and descriptions
// that tell a pupil who cannot see the window what each control shows or does.
namespace spoken {
inline constexpr char textBoxName[] = "Условие и резултат";
inline constexpr char textBoxDescription[]
    = "Първо показва условието на задачата, "
      "а след избор на интервал броя на простите числа в него.";
inline constexpr char storedListDescription[]
    = "Простите числа от избрания интервал, взети от предварително въведен списък. "
      "Редът, избран тук, се избира и в другия списък.";
inline constexpr char computedListDescription[]
    = "Простите числа от избрания интервал, изчислени едно по едно с избрания алгоритъм. "
      "Редът, избран тук, се избира и в другия списък.";
inline constexpr char intervalGroupDescription[]
    = "Изберете интервал: двата списъка и броят на простите числа се попълват веднага.";
inline constexpr char methodGroupDescription[]
    = "Докъде се проверяват делителите на всяко число. "
      "Изборът важи от следващия избран интервал.";
inline constexpr const char* intervalDescriptions[] = {
    "Простите числа от 1 до 10",
    "Простите числа от 10 до 100",
    "Простите числа от 100 до 1000",
    "Простите числа от 1000 до 10000",
};
inline constexpr const char* methodDescriptions[] = {
    "Проверка с всички делители от 2 до N-1",
    "Проверка с всички делители от 2 до N/2",
    "Проверка с всички делители от 2 до корен квадратен от N",
};

// The measured times under the lists: what each one measures, for its tooltip and for a screen
// reader. The computed side's adds the bound and its divisibility checks: "<before><caption>:
// <count><after>".
inline constexpr char storedTimeDescription[]
    = "Директно: време за попълване на списъка от предварително въведените данни.";
inline constexpr char computedTimeBefore[]
    = "Последователно: време за изчисляване на простите числа с алгоритъм ";
inline constexpr char computedTimeAfter[] = " проверки за делимост.";
// Added to either description where the figure is the mean of several runs:
// "<before><runs><after>".
inline constexpr char meanOfRunsBefore[] = " Времето е средно от ";
inline constexpr char meanOfRunsAfter[] = " повторения.";

// Read out once after an interval click, where Qt can: the summary without its line end, then
// "<stored><time><computed><time><end>".
inline constexpr char announcedStored[] = ". Директно ";
inline constexpr char announcedComputed[] = ", последователно ";
inline constexpr char announcedEnd[] = ".";
} // namespace spoken

// Every measurement of the window's life, in one table and one chart: the table's caption, which
// is also the title of the window that holds them, and the words of the chart.
inline constexpr char measurementsTitle[] = "Измервания";
// Added to each time's description: where the time label leads.
inline constexpr char measurementsHint[]
    = " Щракнете тук или натиснете F2, за да видите всички измервания в таблица и графика.";
inline constexpr char copyTable[] = "Копиране на таблицата";
inline constexpr char tableCopied[] = "Таблицата е копирана.";
inline constexpr char tableNotCopied[] = "Таблицата не беше копирана: системата не я прие.";
// The copied table's units, after the headings: the times' block, then the checks' block.
inline constexpr char copiedTimeUnit[] = " (мкс)";
inline constexpr char copiedChecksUnit[] = " (проверки за делимост)";

// What a screen reader hears of «Измервания» besides its title and the chart's own words.
namespace spoken {
inline constexpr char measurementsTableDescription[]
    = "Времето на всяко измерване досега: ред за всеки интервал, колона за всеки начин. "
      "Ctrl+C копира таблицата.";
inline constexpr char copyButtonDescription[]
    = "Копира таблицата с числа за електронна таблица: времената в микросекунди, "
      "под тях броя на проверките за делимост.";
inline constexpr char chartDescription[]
    = "Същите измервания като в таблицата, по една линия за всеки начин. Ctrl+C копира таблицата.";
} // namespace spoken

// The chart's text alternative: the intro, then per side "<heading>: от <time> при <interval> до
// <time> при <interval>.", "<heading>: <time> при <interval>." or "<heading>: няма измервания."
namespace chart {
inline constexpr char intro[] = "Графика на измерванията: времето по интервали, в логаритмична скала.";
inline constexpr char nothingYet[] = " Още няма измервания: изберете интервал.";
inline constexpr char from[] = ": от ";
inline constexpr char to[] = " до ";
inline constexpr char at[] = " при ";
inline constexpr char none[] = ": няма измервания.";
} // namespace chart
// clang-format on

} // namespace texts
