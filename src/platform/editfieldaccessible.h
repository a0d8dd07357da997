// Corvanthelix - the name field as assistive technology sees it.
#pragma once

// Lets assistive technology read and edit the application's line edits
// through an interface that answers every text question at once.
void InstallEditFieldAccessibility();
