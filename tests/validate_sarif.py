#!/usr/bin/env python3
"""Validates verbodex-batch's SARIF logs of the example folders and of a folder
pair with a missing translation and an unreadable file against the SARIF 2.1.0
schema, and checks what the schema cannot: every result names a rule of the
driver by id and index, and the invocation tells the exit status.

Usage: validate_sarif.py VERBODEX_BATCH SCHEMA EXAMPLES_DIR CASE_FILES_DIR
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
