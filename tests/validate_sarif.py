#!/usr/bin/env python3
"""Validates the SARIF logs of verbodex-batch against the SARIF 2.1.0 schema.

Usage: validate_sarif.py VERBODEX_BATCH SCHEMA EXAMPLES_DIR CASE_FILES_DIR

Runs "check de en --format sarif" on the example folders and on a folder pair
with a missing translation and an unreadable file, and checks each log against
the schema and for what the schema cannot say: every result names a rule of
the driver by id and index, with level error or note.
"""
import json
import shutil
import subprocess
import sys
import tempfile

import jsonschema


def sarif_of(batch, folder):
    run = subprocess.run([batch, "check", "de", "en", "--format", "sarif"], cwd=folder,
                         capture_output=True, check=False)
    if run.returncode not in (1, 2):
        sys.exit(f"{folder}: unexpected status {run.returncode}: {run.stderr.decode()}")
    return json.loads(run.stdout), run.returncode


def check(name, log, status, validator):
    errors = sorted(validator.iter_errors(log), key=lambda e: list(e.path))
    for error in errors:
        print(f"{name}: {'/'.join(map(str, error.path))}: {error.message}")
    run = log["runs"][0]
    rules = [rule["id"] for rule in run["tool"]["driver"]["rules"]]
    problems = len(errors)
    if not run["results"]:
        print(f"{name}: no results")
        problems += 1
    for result in run["results"]:
        if rules[result["ruleIndex"]] != result["ruleId"] or result["level"] not in ("error", "note"):
            print(f"{name}: result does not match its rule: {result}")
            problems += 1
    invocation = run["invocations"][0]
    if invocation["exitCode"] != status or invocation["executionSuccessful"] != (status != 2):
        print(f"{name}: invocation does not tell status {status}: {invocation}")
        problems += 1
    return problems


def main():
    batch, schema_path, examples, case_files = sys.argv[1:5]
    with open(schema_path, encoding="utf-8") as schema_file:
        schema = json.load(schema_file)
    validator = jsonschema.Draft4Validator(schema, format_checker=jsonschema.FormatChecker())
    problems = 0
    with tempfile.TemporaryDirectory() as scratch:
        for name, source in (("examples", examples), ("every case", case_files)):
            folder = f"{scratch}/{len(name)}"
            shutil.copytree(source, folder)
            log, status = sarif_of(batch, folder)
            problems += check(name, log, status, validator)
    print("1 passed, 0 failed" if problems == 0 else f"0 passed, 1 failed ({problems} problems)")
    return 0 if problems == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
