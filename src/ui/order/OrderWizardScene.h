#pragma once

#include <QString>

class OrderWizard;

// For pictures of the program: drives an open wizard as a user would, with
// the code "1234" and the first cover, up to the step the scene names:
// "order-verify", "order-cover", "order-upload" or "order-payment".
void PlayOrderScene(OrderWizard& wizard, const QString& scene);

// How long after start the picture of the scene is taken (0: the usual time).
int OrderSceneDelayMs(const QString& scene);
