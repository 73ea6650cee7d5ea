#pragma once

// Creates the data module and every window once, in the program's fixed order, running each
// creation handler; a window's creation handler may reach only windows created before it.
// A later window is added to CreateForms at its place in that order, and to DestroyForms.
void CreateForms();
// Destroys them in the reverse order.
void DestroyForms();
