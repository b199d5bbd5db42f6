#pragma once

// Where each field of a record stands in its block, counted from the opening
// tag. Every reader and writer of a field by position names it here.

// The record code: line 1 of every kind, read by the next-code rule.
constexpr int CodeLine = 1;

namespace CompanyLine {
constexpr int Code = CodeLine;
constexpr int Date = 2;
constexpr int Name = 3; // "Société"
constexpr int Address1 = 4;
constexpr int Address2 = 5;
constexpr int PostalCode = 6;
constexpr int Town = 7;
constexpr int Phone = 8;
constexpr int Fax = 9;
constexpr int Email = 10;
constexpr int Contact = 11; // also the decision-maker
constexpr int Web = 12;
constexpr int Activity = 13;
constexpr int Prefixed = 14; // first "MEMO", "TEXT" or "DATA" line
} // namespace CompanyLine

namespace OperationLine {
constexpr int Code = CodeLine;
constexpr int Type = 2;
constexpr int Summary = 3; // "Résumé"
constexpr int FixedCost = 4;
constexpr int UnitCost = 5;
constexpr int Start = 6;
constexpr int End = 7;
constexpr int Urgent = 8;
constexpr int Prefixed = 9; // first "MEM3", "MEM4" or "DATA" line
} // namespace OperationLine

namespace DayActionLine {
constexpr int Code = CodeLine;
constexpr int Date = 2;
constexpr int Time = 3;
constexpr int Action = 4;
constexpr int CompanyCode = 5;
constexpr int CompanyName = 6;
constexpr int Result = 7;
constexpr int Validated = 8;
// The copy of the company's lines taken when it was picked.
constexpr int GroupName = 9;
constexpr int GroupAddress1 = 10;
constexpr int GroupAddress2 = 11;
constexpr int GroupPostalCode = 12;
constexpr int GroupTown = 13;
constexpr int GroupPhone = 14;
constexpr int Prefixed = 15; // first "MEMO" line
} // namespace DayActionLine
