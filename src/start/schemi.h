#pragma once

// The colour schemes of the exercise screen, one for each question kind. Each paints
// the screen and its frames, the help label and every button; the first touch loads
// the exercise screen if it is not loaded yet.
void propriet1();
void propriet2();
void propriet3();
