#pragma once

// Screen readers hear every QRadioButton as a radio button, checked or not, named by its accessible name
// (the row's task and what the option stands for). Qt would call the sheets' options check boxes, because
// their model, not Qt, keeps the choice exclusive. Installs the accessibility factory once.
void installOptionAccessibility();
