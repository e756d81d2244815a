#pragma once

void CrearDiasHoras();
