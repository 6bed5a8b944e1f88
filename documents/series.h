// Stepping both panes to the previous or next file of a numbered series: menu
// files carry three digits before their ".MNU", mask files four before ".MSK".
#pragma once

// Command 1009 ">>" (direction +1) and 1013 "<<" (direction -1). Asks about
// unsaved changes first (after "No" they count as not modified), takes the
// number from the original's name, writes the next one into both names, reloads
// both files and shows the number in static 1015. With the "Exist" boxes ticked
// it steps on over numbers whose file is missing on that side; when both files
// exist it posts "i-Check". Steps from 999 up or from 1 down run once per click,
// without skipping or check. A step below 0 or past the field's digits is
// refused, and so is any step when the original's name ends in neither kind or
// the translation's name is too short to hold the number without its folder's
// separator.
void StepSeries(int direction);
