// The calendar year of the local clock: the end of a new document's year
// range, the reference year of living people and the current-year line.
#pragma once

int CurrentLocalYear();
