"""Every scenario module; importing this registers them in this order."""
from scenarios import windows  # noqa: F401
